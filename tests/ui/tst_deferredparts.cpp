// Parts of the toolkit made or read only when needed: the standard icons and group boxes
// look exactly as the toolkit's own style draws them, every compiled-in picture decodes as
// the toolkit's PNG reader decodes it, a list measured by its letters is as
// large as the toolkit's, and showing the main window loads no image format plugin and
// makes no list's popup.

#include "formats/PngPixels.h"
#include "session/Program.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/CharacterWidthList.h"
#include "ui/DeferredIconStyle.h"
#include "ui/Main.h"
#include "ui/PictureSetEngine.h"

#include <QAbstractItemView>
#include <QColorSpace>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QThreadPool>

#include <memory>

namespace {

// Where the system lists them; none elsewhere.
qsizetype threadsOfTheProcess() {
    return QDir(QStringLiteral("/proc/self/task"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .size();
}

} // namespace

class DeferredPartsTest : public QObject {
    Q_OBJECT
  private slots:
    void showingTheMainWindowLoadsNoImagePluginNorPopup();
    void standardIconsAsTheStyleDrawsThem_data();
    void standardIconsAsTheStyleDrawsThem();
    void picturesAsTheToolkitDecodesThem();
    void groupBoxesAsTheStyleDrawsThem_data();
    void groupBoxesAsTheStyleDrawsThem();
    void listsAsLargeAsTheToolkitMakesThem_data();
    void listsAsLargeAsTheToolkitMakesThem();
};

// First, while no picture of the process has been read yet.
void DeferredPartsTest::showingTheMainWindowLoadsNoImagePluginNorPopup() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        QSKIP("the system does not list a process's mapped files");
    ScriptedPlatform platform;
    Program program(platform);
    program.forms().mainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(program.forms().mainForm));
    program.forms().mainForm->grab(); // painted, its tool icons with it
    QVERIFY(!maps.readAll().contains("/imageformats/"));
    QVERIFY(program.forms().mainForm->findChildren<QAbstractItemView*>().isEmpty());
}

void DeferredPartsTest::standardIconsAsTheStyleDrawsThem_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("rightToLeft");
    const std::pair<const char*, QStyle::StandardPixmap> icons[] = {
        {"open", QStyle::SP_DialogOpenButton},
        {"save", QStyle::SP_DialogSaveButton},
        {"help", QStyle::SP_DialogHelpButton},
        {"close", QStyle::SP_DialogCloseButton},
        {"contents view", QStyle::SP_FileDialogContentsView},
        {"detailed view", QStyle::SP_FileDialogDetailedView},
        {"home, two states", QStyle::SP_DirHomeIcon},
        {"menu bar extension, not square", QStyle::SP_ToolBarHorizontalExtensionButton},
        {"information, not deferred", QStyle::SP_MessageBoxInformation},
    };
    for (const auto& [name, icon] : icons)
        QTest::newRow(name) << int(icon) << false;
    QTest::newRow("menu bar extension, right to left")
        << int(QStyle::SP_ToolBarHorizontalExtensionButton) << true;
}

void DeferredPartsTest::standardIconsAsTheStyleDrawsThem() {
    QFETCH(int, icon);
    QFETCH(bool, rightToLeft);
    const std::unique_ptr<QStyle> toolkit(QStyleFactory::create(QStringLiteral("fusion")));
    DeferredIconStyle deferred;
    QStyleOption option;
    option.direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    const auto sp = QStyle::StandardPixmap(icon);
    const QIcon expected = toolkit->standardIcon(sp, &option);
    const QIcon actual = deferred.standardIcon(sp, &option);
    for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
        QCOMPARE(actual.availableSizes(QIcon::Normal, state),
                 expected.availableSizes(QIcon::Normal, state));
        for (const QIcon::Mode mode :
             {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (const int side : {6, 16, 20, 28, 32, 64, 200}) {
                const QSize size(side, side);
                const QString at =
                    QStringLiteral("state %1, mode %2, %3 px").arg(state).arg(mode).arg(side);
                QVERIFY2(actual.actualSize(size, mode, state) ==
                             expected.actualSize(size, mode, state),
                         qPrintable(at));
                QVERIFY2(actual.pixmap(size, mode, state).toImage() ==
                             expected.pixmap(size, mode, state).toImage(),
                         qPrintable(at));
            }
        }
    }
}

// The style's pictures and the program's own: of every colour kind and depth they come in.
void DeferredPartsTest::picturesAsTheToolkitDecodesThem() {
    int compared = 0;
    for (const QString& folder : {QStringLiteral(":/qt-project.org/styles/commonstyle/images"),
                                  QStringLiteral(":/icons")}) {
        for (QDirIterator files(folder, {QStringLiteral("*.png")}); files.hasNext(); ++compared) {
            const QString file = files.next();
            QFile in(file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            QVERIFY2(PngPixels::decode(in.readAll()), qPrintable(file)); // not left to Qt
            QImageReader toolkit(file, "png");
            QImage expected = QPixmap::fromImageReader(&toolkit).toImage();
            expected.setColorSpace({}); // the pixels alone: painting applies no colour space
            QVERIFY2(PictureSetEngine::png(file).toImage() == expected, qPrintable(file));
        }
    }
    QVERIFY(compared > 100);
}

void DeferredPartsTest::groupBoxesAsTheStyleDrawsThem_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("filledChildren");
    QTest::newRow("titled") << QStringLiteral("Конструкция") << false << QSize(160, 90) << 0;
    QTest::newRow("untitled") << QString() << false << QSize(160, 90) << 0;
    QTest::newRow("checkable") << QStringLiteral("Слой") << true << QSize(160, 90) << 0;
    // As large as the main window's, its rows cut by its children: drawn in bands.
    QTest::newRow("large, cut by children")
        << QStringLiteral("Конструкция") << false << QSize(711, 440) << 24;
}

void DeferredPartsTest::groupBoxesAsTheStyleDrawsThem() {
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QFETCH(QSize, size);
    QFETCH(int, filledChildren);
    const std::unique_ptr<QStyle> toolkit(QStyleFactory::create(QStringLiteral("fusion")));
    DeferredIconStyle deferred;
    auto drawn = [&](QStyle* style) {
        QGroupBox box(title);
        box.setCheckable(checkable);
        box.setStyle(style);
        box.resize(size);
        for (int i = 0; i < filledChildren; ++i) {
            auto* child = new QWidget(&box);
            child->setAutoFillBackground(true); // drawn over the frame, not through it
            child->setGeometry(20 + i % 6 * 110, 30 + i / 6 * 100, 90, 80);
        }
        return box.grab().toImage();
    };
    // Drawn without the helper threads the toolkit starts for long stretches of pictures
    // (its pool's threads stay a while once started).
    QThreadPool::globalInstance()->waitForDone(); // none left from before
    const qsizetype threads = threadsOfTheProcess();
    const QImage ours = drawn(&deferred);
    QVERIFY(threadsOfTheProcess() <= threads); // one of the pool's may still be ending
    const QImage toolkits = drawn(toolkit.get());
    QCOMPARE(ours, toolkits);
}

void DeferredPartsTest::listsAsLargeAsTheToolkitMakesThem_data() {
    QTest::addColumn<int>("characters");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("main window's") << 12 << QStringLiteral("Наружная стена") << QString();
    QTest::newRow("longer item, wider placeholder")
        << 5 << QStringLiteral("Перекрытие над неотапливаемым подвалом")
        << QStringLiteral("Выберите вид конструкции");
}

void DeferredPartsTest::listsAsLargeAsTheToolkitMakesThem() {
    QFETCH(int, characters);
    QFETCH(QString, item);
    QFETCH(QString, placeholder);
    QComboBox toolkit;
    toolkit.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    toolkit.setMinimumContentsLength(characters);
    CharacterWidthList ours(characters);
    for (QComboBox* list : {&toolkit, static_cast<QComboBox*>(&ours)}) {
        list->addItem(item);
        list->setPlaceholderText(placeholder);
    }
    QCOMPARE(ours.sizeHint(), toolkit.sizeHint());
    QCOMPARE(ours.minimumSizeHint(), toolkit.minimumSizeHint());
    QFont larger = ours.font();
    larger.setPointSize(larger.pointSize() * 2);
    ours.setFont(larger);
    toolkit.setFont(larger);
    QCOMPARE(ours.sizeHint(), toolkit.sizeHint());
}

QTEST_MAIN(DeferredPartsTest)
#include "tst_deferredparts.moc"
