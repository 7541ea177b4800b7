#include "ui/ReportPages.h"

#include "core/Errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>

namespace ReportPages {

namespace {

using ReportDocument::Content;
using ReportDocument::Figure;
using ReportDocument::Paragraph;
using ReportDocument::Row;
using ReportDocument::Section;
using ReportDocument::Table;

constexpr double captionShare = 0.40; // of the text width, for a row's caption
// The drawing is laid out as on a screen of 96 px an inch, then scaled to the page.
constexpr double drawingDpi = 96;

const QColor headingColor(0, 90, 110);
const QColor captionColor(70, 70, 70);
const QColor ruleColor(150, 150, 150);
const QColor headerFill(232, 238, 240);

// DejaVu Sans covers Cyrillic and the Greek of the symbols; it is embedded in the PDF.
const QString& fontFamily() {
    static const QString family = [] {
        const QString dejaVu = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::families().contains(dejaVu))
            for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
                QFontDatabase::addApplicationFont(
                    QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(file));
        return dejaVu;
    }();
    return family;
}

QFont reportFont(double points, bool bold = false) {
    QFont font(fontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

struct Fonts {
    QFont program = reportFont(9, true);
    QFont title = reportFont(13, true);
    QFont heading = reportFont(10.5, true);
    QFont body = reportFont(9);
    QFont verdict = reportFont(9, true);
    QFont table = reportFont(8.5);
    QFont tableBold = reportFont(8.5, true);
    QFont footer = reportFont(8);
};

QColor colorOf(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The text broken into lines of at most `width` at its blanks only, never inside a word
// or after a hyphen or slash; a word of one or two letters ("τв") stays with the word
// before it. A word wider than a line is left for the painter to wrap.
QString brokenAtBlanks(const QFontMetricsF& metrics, double width, const QString& text) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QStringList units;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (!units.isEmpty() && word.size() <= 2)
                units.last() += QLatin1Char(' ') + word;
            else
                units << word;
        QString line;
        for (const QString& unit : units) {
            const QString longer = line.isEmpty() ? unit : line + QLatin1Char(' ') + unit;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = unit;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

// Places blocks down the pages: a block that does not fit on the rest of a page
// starts the next one. Without a painter it only counts the pages.
class PageFlow {
  public:
    PageFlow(QPagedPaintDevice& device, QPainter* painter, int pages, QFont footerFont)
        : device_(device), painter_(painter), pages_(pages), footerFont_(std::move(footerFont)) {}

    double mm(double millimetres) const { return millimetres * device_.logicalDpiY() / 25.4; }
    double width() const { return device_.width(); }
    double textHeight(const QFont& font, double width, const QString& text) const {
        const QFontMetricsF metrics(font, &device_);
        return metrics
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap,
                          brokenAtBlanks(metrics, width, text))
            .height();
    }
    // The width of the widest word of the text.
    double widestWord(const QFont& font, const QString& text) const {
        const QFontMetricsF metrics(font, &device_);
        double widest = 0;
        for (const QString& word :
             text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest;
    }
    int page() const { return page_; }

    template <class Paint> void place(double height, Paint&& paint) {
        if (top_ > 0 && top_ + height > bottom())
            nextPage();
        if (painter_)
            paint(*painter_, top_);
        top_ += height;
    }
    void skip(double height) { top_ += height; }
    void finish() { paintFooter(); }

  private:
    double footerHeight() const { return mm(8); }
    double bottom() const { return device_.height() - footerHeight(); }
    void nextPage() {
        paintFooter();
        if (painter_)
            device_.newPage();
        ++page_;
        top_ = 0;
    }
    void paintFooter() {
        if (!painter_ || pages_ < 2)
            return;
        painter_->setFont(footerFont_);
        painter_->setPen(captionColor);
        painter_->drawText(QRectF(0, device_.height() - footerHeight(), width(), footerHeight()),
                           Qt::AlignHCenter | Qt::AlignBottom,
                           ReportDocument::pageFooter(page_, pages_));
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int pages_;
    QFont footerFont_;
    int page_ = 1;
    double top_ = 0;
};

void text(QPainter& painter, const QRectF& box, const QFont& font, const QColor& color,
          const QString& text, int flags = Qt::AlignLeft) {
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(box, flags | Qt::TextWordWrap, brokenAtBlanks(metrics, box.width(), text));
}

void paintHeader(PageFlow& flow, const Fonts& fonts, const Content& content) {
    const double w = flow.width();
    const double programHeight = flow.textHeight(fonts.program, w, content.programName);
    const double titleHeight = flow.textHeight(fonts.title, w, content.title);
    const double subtitleHeight = flow.textHeight(fonts.body, w, content.subtitle);
    const double gap = flow.mm(1.5);
    const double height = programHeight + titleHeight + subtitleHeight + 3 * gap;
    flow.place(height, [&](QPainter& painter, double top) {
        text(painter, QRectF(0, top, w, programHeight), fonts.program, headingColor,
             content.programName);
        top += programHeight + gap;
        text(painter, QRectF(0, top, w, titleHeight), fonts.title, Qt::black, content.title);
        top += titleHeight + gap;
        text(painter, QRectF(0, top, w, subtitleHeight), fonts.body, captionColor,
             content.subtitle);
        painter.setPen(QPen(ruleColor, flow.mm(0.3)));
        painter.drawLine(QPointF(0, top + subtitleHeight + gap),
                         QPointF(w, top + subtitleHeight + gap));
    });
    flow.skip(flow.mm(3));
}

double headingHeight(const PageFlow& flow, const Fonts& fonts, const QString& heading) {
    return flow.textHeight(fonts.heading, flow.width(), heading) + flow.mm(1.5);
}

void paintHeading(QPainter& painter, const PageFlow& flow, const Fonts& fonts, double top,
                  const QString& heading) {
    text(painter, QRectF(0, top, flow.width(), headingHeight(flow, fonts, heading)), fonts.heading,
         headingColor, heading);
}

struct RowLayout {
    double captionWidth;
    double valueWidth;
    double height;
};

RowLayout rowLayout(const PageFlow& flow, const Fonts& fonts, const Row& row) {
    const double captionWidth = flow.width() * captionShare;
    const double valueWidth = flow.width() - captionWidth;
    const double gap = flow.mm(2);
    const double height =
        std::max(flow.textHeight(fonts.body, captionWidth - gap, row.caption),
                 flow.textHeight(row.color ? fonts.verdict : fonts.body, valueWidth, row.value));
    return {captionWidth, valueWidth, height + flow.mm(1)};
}

void paintRow(QPainter& painter, const PageFlow& flow, const Fonts& fonts, double top,
              const Row& row) {
    const RowLayout layout = rowLayout(flow, fonts, row);
    text(painter, QRectF(0, top, layout.captionWidth - flow.mm(2), layout.height), fonts.body,
         captionColor, row.caption);
    text(painter, QRectF(layout.captionWidth, top, layout.valueWidth, layout.height),
         row.color ? fonts.verdict : fonts.body,
         row.color ? colorOf(*row.color) : QColor(Qt::black), row.value);
}

// A heading stays on the page of the section's first row.
void paintSection(PageFlow& flow, const Fonts& fonts, const QString& heading,
                  const Section& section) {
    for (int i = 0; i < section.rows.size(); ++i) {
        const Row& row = section.rows[i];
        const bool first = i == 0 && !heading.isEmpty();
        const double headingSpace = first ? headingHeight(flow, fonts, heading) : 0;
        flow.place(headingSpace + rowLayout(flow, fonts, row).height,
                   [&](QPainter& painter, double top) {
                       if (first)
                           paintHeading(painter, flow, fonts, top, heading);
                       paintRow(painter, flow, fonts, top + headingSpace, row);
                   });
    }
    flow.skip(flow.mm(3));
}

// Each column is as wide as its widest word; the table's wide columns share the rest.
struct TableLayout {
    QList<double> left;
    QList<double> width;
    double padding = 0;
    QList<double> rowHeights; // header, the layers, the totals
};

TableLayout tableLayout(const PageFlow& flow, const Fonts& fonts, const Table& table) {
    TableLayout layout;
    const qsizetype columns = table.header.size();
    layout.left.fill(0, columns);
    layout.width.fill(0, columns);
    layout.padding = flow.mm(1);
    const auto widen = [&](const QStringList& cells, const QFont& font) {
        for (int c = 0; c < cells.size() && c < columns; ++c)
            layout.width[c] = std::max(layout.width[c], flow.widestWord(font, cells[c]) +
                                                            2 * layout.padding + flow.mm(0.5));
    };
    widen(table.header, fonts.tableBold);
    for (const QStringList& row : table.rows)
        widen(row, fonts.table);
    widen(table.totals, fonts.tableBold);
    if (!table.wideColumns.isEmpty()) {
        double others = 0;
        for (int c = 0; c < columns; ++c)
            if (!table.wideColumns.contains(c))
                others += layout.width[c];
        const double share = (flow.width() - others) / table.wideColumns.size();
        for (int c : table.wideColumns)
            layout.width[c] = std::max(layout.width[c], share);
    }
    double left = 0;
    for (int c = 0; c < columns; ++c) {
        layout.left[c] = left;
        left += layout.width[c];
    }
    auto height = [&](const QStringList& cells, const QFont& font) {
        double tallest = 0;
        for (int c = 0; c < cells.size() && c < columns; ++c)
            tallest = std::max(
                tallest, flow.textHeight(font, layout.width[c] - 2 * layout.padding, cells[c]));
        return tallest + 2 * layout.padding;
    };
    layout.rowHeights << height(table.header, fonts.tableBold);
    for (const QStringList& row : table.rows)
        layout.rowHeights << height(row, fonts.table);
    if (!table.totals.isEmpty())
        layout.rowHeights << height(table.totals, fonts.tableBold);
    return layout;
}

void paintTableRow(QPainter& painter, const TableLayout& layout, const QList<int>& wideColumns,
                   double top, double height, const QStringList& cells, const QFont& font) {
    for (int c = 0; c < cells.size() && c < layout.width.size(); ++c) {
        const QRectF cell(layout.left[c], top, layout.width[c], height);
        painter.setPen(QPen(ruleColor, 0));
        painter.drawRect(cell);
        const int align =
            wideColumns.contains(c) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
        text(painter,
             cell.adjusted(layout.padding, layout.padding, -layout.padding, -layout.padding), font,
             Qt::black, cells[c], align);
    }
}

void paintTable(PageFlow& flow, const Fonts& fonts, const QString& heading, const Table& table) {
    const TableLayout layout = tableLayout(flow, fonts, table);
    const double headingSpace = heading.isEmpty() ? 0 : headingHeight(flow, fonts, heading);
    double height = headingSpace;
    for (double rowHeight : layout.rowHeights)
        height += rowHeight;
    const double noteHeight =
        table.note.isEmpty() ? 0
                             : flow.textHeight(fonts.body, flow.width(), table.note) + flow.mm(1);
    flow.place(height + noteHeight, [&](QPainter& painter, double top) {
        if (!heading.isEmpty())
            paintHeading(painter, flow, fonts, top, heading);
        top += headingSpace;
        // The header's shading, inside the cells' borders.
        painter.fillRect(
            QRectF(0, top, layout.left.back() + layout.width.back(), layout.rowHeights.front()),
            headerFill);
        QList<std::pair<QStringList, QFont>> rows{{table.header, fonts.tableBold}};
        for (const QStringList& row : table.rows)
            rows.append({row, fonts.table});
        if (!table.totals.isEmpty())
            rows.append({table.totals, fonts.tableBold});
        for (int r = 0; r < rows.size(); ++r) {
            paintTableRow(painter, layout, table.wideColumns, top, layout.rowHeights[r],
                          rows[r].first, rows[r].second);
            top += layout.rowHeights[r];
        }
        if (!table.note.isEmpty())
            text(painter, QRectF(0, top + flow.mm(1), flow.width(), noteHeight), fonts.body,
                 captionColor, table.note);
    });
    flow.skip(flow.mm(4));
}

// Paints a drawing laid out for the screen, scaled to the page, framed.
void paintDrawing(QPainter& painter, const QRectF& area, const Fonts& fonts, double dpi,
                  const PaintDrawing& paintPicture) {
    const double k = dpi / drawingDpi;
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(k, k);
    QFont font = fonts.body;
    font.setPixelSize(12); // 9 pt at 96 px an inch
    painter.setFont(font);
    paintPicture(painter, QRectF(0, 0, area.width() / k, area.height() / k));
    painter.restore();
    painter.setPen(QPen(ruleColor, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

void paintFigure(PageFlow& flow, const Fonts& fonts, const QString& heading, const Figure& figure,
                 const PaintDrawing& drawing, double dpi) {
    const double headingSpace = heading.isEmpty() ? 0 : headingHeight(flow, fonts, heading);
    const double height = flow.mm(figure.heightMm);
    flow.place(headingSpace + height + flow.mm(figure.spaceBelowMm),
               [&](QPainter& painter, double top) {
                   if (!heading.isEmpty())
                       paintHeading(painter, flow, fonts, top, heading);
                   paintDrawing(painter, QRectF(0, top + headingSpace, flow.width(), height), fonts,
                                dpi, drawing);
               });
}

void paintParagraph(PageFlow& flow, const Fonts& fonts, const QString& heading,
                    const Paragraph& paragraph) {
    const double headingSpace = heading.isEmpty() ? 0 : headingHeight(flow, fonts, heading);
    const double height = flow.textHeight(fonts.body, flow.width(), paragraph.text);
    flow.place(headingSpace + height, [&](QPainter& painter, double top) {
        if (!heading.isEmpty())
            paintHeading(painter, flow, fonts, top, heading);
        text(painter, QRectF(0, top + headingSpace, flow.width(), height), fonts.body, captionColor,
             paragraph.text);
    });
}

// The blocks in their order, each heading on the page of the block after it.
void layOut(PageFlow& flow, const Fonts& fonts, const Content& content, const Drawings& drawings,
            double dpi) {
    paintHeader(flow, fonts, content);
    QString heading;
    for (const ReportDocument::Block& block : ReportDocument::numbered(content.blocks)) {
        if (const auto* next = std::get_if<ReportDocument::Heading>(&block)) {
            heading = next->text;
            continue;
        }
        if (const auto* section = std::get_if<Section>(&block))
            paintSection(flow, fonts, heading, *section);
        else if (const auto* table = std::get_if<Table>(&block))
            paintTable(flow, fonts, heading, *table);
        else if (const auto* paragraph = std::get_if<Paragraph>(&block))
            paintParagraph(flow, fonts, heading, *paragraph);
        else if (const auto* figure = std::get_if<Figure>(&block))
            if (const auto drawing = drawings.constFind(figure->drawing);
                drawing != drawings.constEnd())
                paintFigure(flow, fonts, heading, *figure, *drawing, dpi);
        heading.clear();
    }
    flow.finish();
}

} // namespace

void paint(QPagedPaintDevice& device, const Content& content, const Drawings& drawings) {
    const double dpi = device.logicalDpiX();
    const Fonts fonts;
    PageFlow counting(device, nullptr, 0, fonts.footer);
    layOut(counting, fonts, content, drawings, dpi);

    QPainter painter;
    if (!painter.begin(&device))
        throw AppError(
            QCoreApplication::translate("ReportPages", "Не удалось начать печать отчета."));
    PageFlow flow(device, &painter, counting.page(), fonts.footer);
    layOut(flow, fonts, content, drawings, dpi);
    if (!painter.end())
        throw AppError(
            QCoreApplication::translate("ReportPages", "Не удалось закончить печать отчета."));
}

QPageLayout a4() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QByteArray pdf(const Content& content, const Drawings& drawings, const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(300);
        writer.setTitle(content.title);
        writer.setCreator(content.programName);
        paint(writer, content, drawings);
    }
    return buffer.data();
}

} // namespace ReportPages
