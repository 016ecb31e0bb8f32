#pragma once

#include "ZnUserNotifier.h"

#include <QStringList>

#include <vector>

// Stands in for the user: records every message box and beep that would have been shown, and
// answers with `answer` (OK/Yes when true); a save dialog is answered with `saveAs` (empty: the
// user cancelled) and its suggested name recorded.
class RecordingNotifier : public ZnUserNotifier {
 public:
  struct Shown {
    QWidget* Parent;
    QString Caption;
    QString Text;
    Buttons ButtonSet;
  };

  bool Message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
               Icon) override {
    shown.push_back({parent, caption, text, buttons});
    return answer;
  }
  void Beep() override { ++beeps; }
  QString SaveFileName(QWidget*, const QString&, const QString& suggestedName,
                       const QString&) override {
    suggestedNames << suggestedName;
    return saveAs;
  }
  QString OpenName(QWidget*, const QString& caption, const QString&, bool) override {
    openCaptions << caption;
    return openAs;
  }

  QStringList Texts() const {
    QStringList texts;
    for (const Shown& s : shown) texts << s.Text;
    return texts;
  }
  QStringList Captions() const {
    QStringList captions;
    for (const Shown& s : shown) captions << s.Caption;
    return captions;
  }

  std::vector<Shown> shown;
  int beeps = 0;
  bool answer = true;
  QString saveAs;
  QString openAs;  // the path an open dialog answers with; empty: cancelled
  QStringList openCaptions;
  QStringList suggestedNames;
};
