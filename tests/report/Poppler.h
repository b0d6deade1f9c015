// Reading a printed PDF back with the poppler-utils programs (pdfinfo, pdftotext,
// pdftoppm), for the report tests that print to a file.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Runs a poppler-utils program and returns what it writes; a missing program fails the test.
inline QString Poppler(const QString& programma, const QStringList& argumenten) {
    const QString pad = QStandardPaths::findExecutable(programma);
    if (pad.isEmpty()) {
        ADD_FAILURE() << programma.toStdString()
                      << " is missing: install poppler-utils (scripts/install-deps)";
        return {};
    }
    QProcess p;
    p.start(pad, argumenten);
    if (!p.waitForFinished(30000)) ADD_FAILURE() << programma.toStdString() << " did not finish";
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of page p of a PDF file, laid out as printed.
inline QString PaginaTekst(const QString& pdf, int p) {
    return Poppler("pdftotext", {"-layout", "-f", QString::number(p), "-l", QString::number(p), pdf, "-"});
}

// Whether the text holds s, with any run of white space between its words.
inline bool Heeft(const QString& tekst, const QString& s) {
    return tekst.contains(QRegularExpression(QRegularExpression::escape(s).replace("\\ ", "\\s+")));
}
