#pragma once

#include <QByteArray>
#include <QString>

// Text of files written by people (message catalogues, device profiles): UTF-8 when the bytes
// are valid UTF-8 (a leading byte-order mark is dropped), otherwise one character per byte as in
// the Windows single-byte code pages those files were first written in.
QString ZnTextFromBytes(const QByteArray& bytes);
