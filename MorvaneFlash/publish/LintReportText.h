#pragma once

#include "publish/CatalogueLint.h"

#include <QJsonDocument>
#include <QString>

// One finding as lint writes it, "<source>:<line>: <severity>: <message>" ("<source>: …" for
// the whole file); sign writes its own findings so too.
QString lintFindingText(const QString &source, const LintFinding &finding);

// lint's report on the list read from `source`: "<source>:<line>: <severity>: <message>" per
// finding, as compilers write theirs, then the counts.
QString lintReportText(const QString &source, const LintReport &report);
// The same as one JSON document.
QJsonDocument lintReportJson(const QString &source, const LintReport &report);
