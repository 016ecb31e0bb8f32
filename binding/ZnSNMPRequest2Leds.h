#pragma once

#include "ZnSNMPRequest2Controls.h"

#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <vector>

// LED colours are kept as the device's colour maps define them: Windows colour values
// 0x00BBGGRR. They become QColors only when a shape is painted.
namespace ZnLedColors {
inline constexpr int Black = 0x000000;
inline constexpr int White = 0xFFFFFF;
inline constexpr int Green = 0x00FF00;
inline constexpr int Blue = 0xFF0000;
inline constexpr int Red = 0x0000FF;
// As a missing colour: a byte beyond the received value is an error. In a source array: the end.
inline constexpr int None = -1;
}  // namespace ZnLedColors

// The QColor of a colour value 0x00BBGGRR (the top byte is ignored).
QColor ZnLedColour(int value);

// One constant source pair of a colour map. Arrays of pairs end with a pair whose colour is
// ZnLedColors::None (its code is not read).
struct ZnLedColorItem {
  int Code = 0;
  int Colour = ZnLedColors::None;
};

// How the bytes of an LED status value become colours: the colour code is the byte ANDed with
// the value mask, the LED blinks when the byte ANDed with the blink mask is not zero.
class ZnSNMPLedColorMapList {
 public:
  // The entries are copied from `items` up to the terminating pair; a null array gives none.
  ZnSNMPLedColorMapList(const ZnLedColorItem* items, std::uint8_t valueMask, std::uint8_t blinkMask,
                        int initialColour, int missingColour);

  // The colour of the first entry whose code, compared as a byte, equals `code`; black when no
  // entry matches.
  int Lookup(int code) const;
  int Count() const { return static_cast<int>(entries_.size()); }
  const ZnLedColorItem& At(int index) const;

  std::uint8_t ValueMask;
  std::uint8_t BlinkMask;
  // Before any data, after errors, and the dark phase of blinking.
  int InitialColour;
  // For an LED whose byte lies beyond the received value; ZnLedColors::None makes it an error.
  int MissingColour;

 private:
  std::vector<ZnLedColorItem> entries_;
};

// The five colour maps of the device (value mask 7, black before data, white for a missing
// byte). 1 and 5: codes 0-1 white, 2-3 green, 4 blue, 5 red, blinking with 0x80 — the front
// panel's power, console and link LEDs. 2: only 3 green, blinking with 0x80. 3: like 1 but code
// 3 white and blinking with 0x08. 4: like 2 but blinking with 0x04 — a module's speed LED.
// Codes 6 and 7 show black in every map.
extern const ZnSNMPLedColorMapList ZnLedColorMap1;
extern const ZnSNMPLedColorMapList ZnLedColorMap2;
extern const ZnSNMPLedColorMapList ZnLedColorMap3;
extern const ZnSNMPLedColorMapList ZnLedColorMap4;
extern const ZnSNMPLedColorMapList ZnLedColorMap5;
// Map 1..5 by number; raises -12 for any other number.
const ZnSNMPLedColorMapList& ZnLedColorMap(int number);

// A small LED: a rectangle, circle or ellipse of a fixed size, filled and outlined in one
// colour.
class ZnLedShape : public QWidget {
 public:
  enum class Kind { Rectangle, Circle, Ellipse };

  ZnLedShape(Kind kind, int width, int height, QWidget* parent = nullptr);

  Kind ShapeKind() const { return kind_; }
  // The colour value 0x00BBGGRR the shape shows; repaints only when it changes.
  void SetColour(int value);
  int Colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  int colour_ = ZnLedColors::Black;
};

// One LED of a binding: which byte of which variable it shows, through which map, on which
// shape, and what it showed after the last evaluation.
struct ZnLedRecord {
  int Variable = 0;
  int ByteIndex = 0;
  const ZnSNMPLedColorMapList* Map = nullptr;  // not owned
  QPointer<ZnLedShape> Shape;                  // owned by its panel
  bool Blinking = false;
  int Colour = ZnLedColors::Black;
};

// Polls one LED status value on a timer and paints LED shapes from its bytes; LEDs whose blink
// bit is set flash for a short while after every poll and then stay lit until the next one.
//
// The window never waits for the device: every poll reads asynchronously, whatever `mode` says
// (`mode` only applies to a Refresh() the owner calls itself), and a poll tick that comes while
// the previous read is still outstanding is skipped, so a silent device costs one outstanding
// read, never a frozen window or a queue of reads. A failed read or poll resets every LED to its
// map's initial colour and writes the error to the status target; nothing is raised out of a
// timer tick and no message box is shown.
class ZnSNMPRequest2Leds : public ZnSNMPRequest2Controls {
 public:
  explicit ZnSNMPRequest2Leds(QWidget* owner);
  ~ZnSNMPRequest2Leds() override;

  // Adds an LED for byte `byteIndex` of variable `variable`; the shape is painted in the map's
  // initial colour and shown. The map must outlive the binding.
  void BindLed(int variable, int byteIndex, const ZnSNMPLedColorMapList& map, ZnLedShape* shape);
  // One LED per byte index of `byteList` ("2,4,6"): the k-th shape, of the given kind and size,
  // sits in `panel` at x = left + k * (spacing + width), y = 1. A panel that is a QFrame loses
  // its frame. Raises -519 for a negative index.
  void BindLedRow(int variable, const QString& byteList, const ZnSNMPLedColorMapList& map,
                  QWidget* panel, int left, int spacing, ZnLedShape::Kind kind, int width,
                  int height);

  // Polls every `interval` × 10 ms (300: every 3 seconds), the first time at once. When that
  // first read cannot even be started the LEDs are reset and the error is raised.
  void Start(int interval);
  // Stops polling and blinking and resets the LEDs; the answer of a read still outstanding is
  // not shown.
  void Stop();
  // Every LED stops blinking and shows its map's initial colour.
  void Reset();

  bool Polling() const { return pollTimer_.isActive(); }
  int PollIntervalMs() const { return pollTimer_.interval(); }
  bool BlinkTimerActive() const { return blinkTimer_.isActive(); }
  int LedCount() const { return static_cast<int>(leds_.size()); }
  const ZnLedRecord& Led(int index) const;
  int BlinkCounter() const { return blinkCounter_; }
  // Poll ticks that found the previous read still outstanding and sent nothing.
  int SkippedPolls() const { return skippedPolls_; }

  // Paint ticks a blinking LED alternates for after each poll before it stays lit.
  int BlinkLimit = 6;

  static constexpr int kBlinkIntervalMs = 60;

 protected:
  void BeforeGet() override;
  void ShowRow() override;
  void OnGetError(const ZnSNMPError& result) override;
  // Sets the LED's colour and blinking from the current value of its variable.
  virtual void EvaluateLed(ZnLedRecord& led);
  // Paints every LED; what the blink timer does every 60 ms.
  void Paint();

 private:
  void Poll();
  void PollTick();

  std::vector<ZnLedRecord> leds_;
  // Members, not children: they stop and go before the base waits for an outstanding read, so
  // no tick can reach a binding that is half destroyed.
  QTimer pollTimer_;
  QTimer blinkTimer_;
  int blinkCounter_ = 0;
  int skippedPolls_ = 0;
  // Set by Stop while a read is outstanding: its answer must not light the LEDs again.
  bool discardAnswer_ = false;
};
