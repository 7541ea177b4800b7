#include "ui/DeferredIconStyle.h"

#include "ui/PictureSetEngine.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <vector>

namespace {

// Where the toolkit's common style keeps the pictures of its standard icons.
const QString pictureFolder = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// The files of one picture set, smallest size first, as the common style adds them; the
// set's name is what its files begin with before the size ("standardbutton-open-").
QStringList filesOf(const QString& set) {
    static const QStringList all =
        QDir(pictureFolder).entryList(QDir::Files); // no pattern: no regular expression
    QList<std::pair<int, QString>> sized;
    for (const QString& file : all) {
        if (!file.startsWith(set) || !file.endsWith(QLatin1String(".png")))
            continue;
        bool number = false;
        const int side =
            QStringView(file).sliced(set.size(), file.size() - set.size() - 4).toInt(&number);
        if (number)
            sized.append({side, pictureFolder + file});
    }
    std::sort(sized.begin(), sized.end());
    QStringList files;
    for (const auto& [side, file] : sized)
        files << file;
    return files;
}

// The picture sets of the standard icons that the program shows (its own and the menu
// bar's), by their Off and On states: the common style's own choice of files.
std::pair<QString, QString> pictureSets(QStyle::StandardPixmap icon, bool rightToLeft) {
    switch (icon) {
    case QStyle::SP_DialogOpenButton:
        return {QStringLiteral("standardbutton-open-"), {}};
    case QStyle::SP_DialogSaveButton:
        return {QStringLiteral("standardbutton-save-"), {}};
    case QStyle::SP_DialogHelpButton:
        return {QStringLiteral("standardbutton-help-"), {}};
    case QStyle::SP_DialogCloseButton:
        return {QStringLiteral("standardbutton-close-"), {}};
    case QStyle::SP_FileDialogContentsView:
        return {QStringLiteral("filecontents-"), {}};
    case QStyle::SP_FileDialogDetailedView:
        return {QStringLiteral("viewdetailed-"), {}};
    case QStyle::SP_DirHomeIcon:
        return {QStringLiteral("dirclosed-"), QStringLiteral("diropen-")};
    case QStyle::SP_ToolBarHorizontalExtensionButton:
        return {rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-")
                            : QStringLiteral("toolbar-ext-h-"),
                {}};
    default:
        return {};
    }
}

// Whether the Fusion style takes its icons from the common style's files: unless an icon
// theme of the desktop or another system's icons come first.
bool readsCommonFiles() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return false;
#else
    return !QGuiApplication::desktopSettingsAware() || QIcon::themeName().isEmpty();
#endif
}

// The frame's rows in bands, each whole frame drawn clipped to one of them: the same pixels,
// but the toolkit starts threads of its own to stretch a picture over 96 pieces of rows or
// more, and a group box's children cut its rows into pieces. A band holds at most 64.
std::vector<QRect> bandsOf(const QRect& frame, const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    const QTransform toDevice = painter.deviceTransform();
    if (!engine || toDevice.type() > QTransform::TxTranslate)
        return {frame};
    const QRect onDevice = toDevice.mapRect(frame);
    std::vector<int> pieces(std::size_t(frame.height()), 0);
    for (const QRect& clip : engine->systemClip()) {
        const QRect shown = clip & onDevice;
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            ++pieces[std::size_t(y - onDevice.top())];
    }
    constexpr int mostPieces = 64;
    std::vector<QRect> bands;
    for (int top = 0; top < frame.height();) {
        int bottom = top, held = 0;
        while (bottom < frame.height() &&
               (bottom == top || held + std::max(1, pieces[std::size_t(bottom)]) <= mostPieces))
            held += std::max(1, pieces[std::size_t(bottom++)]);
        bands.emplace_back(frame.left(), frame.top() + top, frame.width(), bottom - top);
        top = bottom;
    }
    return bands;
}

} // namespace

DeferredIconStyle::DeferredIconStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    const bool rightToLeft =
        option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    const auto [off, on] = pictureSets(icon, rightToLeft);
    if (off.isEmpty() || !readsCommonFiles())
        return QProxyStyle::standardIcon(icon, option, widget);
    const QStringList offFiles = filesOf(off);
    if (offFiles.isEmpty()) // another toolkit version's files
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new PictureSetEngine(offFiles, on.isEmpty() ? QStringList() : filesOf(on)));
}

void DeferredIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !readsCommonFiles())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The Fusion style's frame: its picture stretched between 6-pixel borders, 3 pixels
    // below the top, or below the title and 3 pixels more.
    if (groupBoxFrame_.isNull())
        groupBoxFrame_ =
            PictureSetEngine::png(pictureFolder + QStringLiteral("fusion_groupbox.png"));
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool bare = box && !box->isCheckable() && box->title().isEmpty();
    const int topMargin = 3 + (bare ? 0
                                    : std::max(pixelMetric(PM_ExclusiveIndicatorHeight),
                                               option->fontMetrics.height()));
    const QRect frame = option->rect.adjusted(0, topMargin, 0, 0);
    const std::vector<QRect> bands = bandsOf(frame, *painter);
    for (const QRect& band : bands) {
        painter->save();
        if (bands.size() > 1)
            painter->setClipRect(band, Qt::IntersectClip);
        qDrawBorderPixmap(painter, frame, QMargins(6, 6, 6, 6), groupBoxFrame_);
        painter->restore();
    }
}

void DeferredIconStyle::install() {
    // Only in place of the Fusion style: any other, the user's choice or the system's, stays.
    const QStyle* current = QApplication::style();
    if (!dynamic_cast<const DeferredIconStyle*>(current) &&
        current->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new DeferredIconStyle);
}
