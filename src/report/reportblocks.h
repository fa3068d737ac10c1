#pragma once

// The text parts of a report: the title, a section of labelled values, a
// paragraph.

#include "report/reportlayout.h"
#include "report/reportstyle.h"

#include <QString>

#include <utility>
#include <vector>

class QPaintDevice;

// A label and its value; a value may hold line breaks.
struct ReportField {
    QString label;
    QString value;
    bool mono = false; // a digest reads better in a fixed-width font
};

ReportBlock TitleBlock(const ReportStyle& style, const QString& title);
// The section's heading, then one row per field: labels in one column, values
// in the next, wrapped to the width.
ReportBlock FieldsBlock(const ReportStyle& style, const QPaintDevice& device,
                        const QString& heading, const std::vector<ReportField>& fields);
ReportBlock SectionHeadingBlock(const ReportStyle& style, const QString& heading);
ReportBlock ParagraphBlock(const ReportStyle& style, const QPaintDevice& device,
                           const QString& text);
