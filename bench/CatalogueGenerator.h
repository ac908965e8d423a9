#pragma once

#include <QByteArray>

// A list file shaped like the real one: 40 models, a few Chinese names, padded fields and
// CR LF ends, with one line in fifty that the parser must reject. Every address starts with
// `baseUrl`.
QByteArray generateCatalogue(qsizetype lineCount,
                             const QByteArray &baseUrl = "http://firmware.morvane.example");
