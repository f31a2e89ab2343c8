#pragma once
// The words of a PDF page with their boxes, in millimetres, as pdftotext
// reads them back from the file.

#include <QList>
#include <QString>

struct PdfWord
{
    QString text;
    double xMin, yMin, xMax, yMax; // mm from the page's top left corner
};

struct PdfPage
{
    double width = 0, height = 0; // mm
    QList<PdfWord> words;

    QList<PdfWord> find(const QString &text) const;
    // The words of one line, joined by blanks, that start with text.
    QString lineStartingWith(const QString &text) const;
};

// The first page of a PDF file; empty when pdftotext cannot read it.
PdfPage readPdfPage(const QString &path);
