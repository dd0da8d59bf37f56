#pragma once
// A zlib stream (RFC 1950 around RFC 1951) for pictures whose rows mostly repeat the row above
// or one byte over and over, as a barcode's do. One block of the fixed Huffman codes, whose
// matches reach back either one row or one byte: on such pictures about as small as zlib's
// fastest level, and several times faster, with no set-up per picture.

#include <QByteArray>

namespace exporting {

// The zlib stream of `size` bytes of rows `rowBytes` long (filter bytes included).
QByteArray DeflateRows(const char* data, qsizetype size, qsizetype rowBytes);

} // namespace exporting
