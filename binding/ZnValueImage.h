#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The byte image of a value text, so that parts of a value (a byte, a 16-bit field, one bit of a
// port list) can be bound to separate controls. Integers without a stated order are
// little-endian; "(NULL)" and the empty image stand for each other.

// Raises -511 for a syntax without an image.
QByteArray ZnTextToImage(const QString& text, std::uint32_t syntax);
// Raises -518 for an image shorter than the syntax needs, -511 for an unknown syntax.
QString ZnImageToText(const QByteArray& image, std::uint32_t syntax);
// The part of an image at a byte offset, as long as the syntax's size. Raises -519 when the image
// is too short, -511 for an unknown syntax; an empty image gives an empty part.
QByteArray ZnExtractPart(const QByteArray& image, int offset, std::uint32_t syntax);
// The size of a part of the syntax: bytes, or -1 for "all the rest".
int ZnPartSize(std::uint32_t syntax);
