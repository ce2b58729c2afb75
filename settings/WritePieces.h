#pragma once

// Writing an output's bytes to an open file, every write checked.

#include <QFileDevice>
#include <QString>

#include <cstdint>
#include <span>

using OutputPieces = std::span<const std::span<const uint8_t>>;

// The system's text for the error number `error` ("No space left on device").
QString SystemReason(int error);

// Writes every piece, in order; false with `reason` set at the first failure
// (a short write is one). Open `file` unbuffered, so that each piece reaches
// the system here and its failure is seen here.
bool WritePieces(QFileDevice& file, OutputPieces pieces, QString* reason);
