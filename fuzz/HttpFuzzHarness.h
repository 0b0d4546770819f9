#pragma once

#include <QByteArrayView>
#include <QString>

// Checks that the fuzz targets run on arbitrary bytes, and that the normal
// tests replay on every input the fuzzer ever found a fault with. Each returns
// an empty string when all checks held, else what went wrong.
namespace HttpFuzzHarness {

// The header collection against a plain, literal model of it: a header block
// to parse, then a script of edits applied to both.
QString checkHeaderCollection(QByteArrayView input);

// The HTTP client's response reader fed a response in arbitrary pieces, with
// the options the first byte picks: the response must end (complete or
// failed), agree with the same bytes fed in one piece, and keep its events.
QString checkResponseReader(QByteArrayView input);

} // namespace HttpFuzzHarness
