// The file options window: the file check after each change of pattern or
// folder, the unavailable drive, the maximize rule, its buttons and pictures.

#include <QApplication>
#include <QDir>
#include <QTest>

#include "filetree.h"
#include "fixtures.h"
#include "shell/screen.h"
#include "tours/frmfile.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/filelists.h"
#include "ui/indextab.h"
#include "ui/twips.h"

using testsupport::FileTree;
using testsupport::MsgBoxRecorder;
using Slot = ui::FormSlot<tours::frmFile>;
using Specs = std::vector<QByteArray>;
Q_DECLARE_METATYPE(ui::MsgRecord)

namespace {

const ui::MsgRecord kConvertible{QStringLiteral("You would now be able to convert these files to the Starwright format."),
                                 ui::Icon::Exclamation, QStringLiteral("Convert your Files")};
const ui::MsgRecord kNotReady{QStringLiteral("The drive has no disk in it.  Put a disk in the drive and retry."),
                              ui::Icon::Stop, QStringLiteral("Device not ready.")};

class TestFiles : public QObject {
    Q_OBJECT

    QString savedFolder;
    MsgBoxRecorder* boxes = nullptr;

    // Opens the window in a folder of the given content, recording its messages.
    tours::frmFile* open(const FileTree& tree) {
        QDir::setCurrent(QFile::decodeName(tree.path()));
        Slot::showModal();
        return Slot::peek();
    }
    void pickFolder(ui::DirList* dir, const QString& name) {
        for (int i = 0; i < dir->ListCount(); ++i) {
            if (dir->List(i) == name) dir->setCurrentIndex(dir->model()->index(i, 0));
        }
        QTest::keyClick(dir, Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        testsupport::setUpHeadless();
        savedFolder = QDir::currentPath();
    }
    void init() { boxes = new MsgBoxRecorder; }
    void cleanup() {
        if (Slot::exists()) Slot::get().Unload();
        QTRY_VERIFY(!Slot::exists());
        delete boxes;
        QDir::setCurrent(savedFolder);
        QCOMPARE(testsupport::visibleWindows().size(), 0);
    }

    void fileCheckAfterEachPatternChange_data() {
        QTest::addColumn<Specs>("files");
        QTest::addColumn<QList<int>>("picks");  // format entries chosen after the load
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("convert");
        QTest::newRow("empty folder") << Specs{} << QList<int>{} << 0 << false;
        QTest::newRow("no file of the first format") << Specs{"x.cht"} << QList<int>{} << 0 << false;
        QTest::newRow("the load checks once") << Specs{"x.nov"} << QList<int>{} << 1 << true;
        QTest::newRow("choosing a format with files") << Specs{"x.cht"} << QList<int>{7} << 1 << true;
        QTest::newRow("same pattern again is no change") << Specs{"x.cht"} << QList<int>{5, 6, 7, 7} << 1 << true;
        QTest::newRow("back to a format without files") << Specs{"x.CHT"} << QList<int>{7, 0} << 1 << false;
        QTest::newRow("folders, hidden files, broken links")
            << Specs{"d.cht/", ".h.cht", "l.cht -> gone"} << QList<int>{7} << 0 << false;
        QTest::newRow("each change with files") << Specs{"x.dat", "y.aaf"} << QList<int>{4, 10, 8} << 3 << true;
    }
    void fileCheckAfterEachPatternChange() {
        QFETCH(Specs, files);
        QFETCH(QList<int>, picks);
        QFETCH(int, messages);
        QFETCH(bool, convert);
        FileTree tree(files);
        tours::frmFile* w = open(tree);
        for (int entry : picks) w->lstFileTypes->setListIndex(entry);
        QCOMPARE(boxes->boxes(), QList<ui::MsgRecord>(messages, kConvertible));
        QCOMPARE(w->cmdAction[0]->isEnabled(), convert);
        QCOMPARE(w->lblInputFileName->text(), w->lstFileTypes->currentText().right(5));
        QCOMPARE(w->lblInputPath->text(), ui::displayName(tree.path()));
        QCOMPARE(w->lblOutputPath->text(), QStringLiteral("Output Path:  "));
    }

    void fileCheckAfterEachFolderChange_data() {
        QTest::addColumn<bool>("output");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("convert");
        // The start folder has a file of the first format: the load checks once.
        QTest::newRow("into a folder with files") << false << "with" << 2 << true;
        QTest::newRow("into a folder without") << false << "without" << 1 << false;
        QTest::newRow("the output side checks nothing") << true << "with" << 1 << true;
    }
    void fileCheckAfterEachFolderChange() {
        QFETCH(bool, output);
        QFETCH(QString, folder);
        QFETCH(int, messages);
        QFETCH(bool, convert);
        FileTree tree({"x.nov", "with/", "with/a.NOV", "with/b.cht", "without/"});
        tours::frmFile* w = open(tree);
        pickFolder(output ? w->dirOutput : w->dirInput, folder);
        const QByteArray path = tree.path(folder.toUtf8());
        QCOMPARE(boxes->boxes(), QList<ui::MsgRecord>(messages, kConvertible));
        QCOMPARE(w->cmdAction[0]->isEnabled(), convert);
        QCOMPARE((output ? w->lblOutputPath : w->lblInputPath)->text(), ui::displayName(path));
        QCOMPARE((output ? w->flstOutputFile : w->flstInputFile)->Path(), path);
        QCOMPARE(w->flstOutputFile->ListCount(), output ? 1 : 0);
        QCOMPARE(QDir::currentPath(), QFile::decodeName(tree.path()));  // browsing leaves it alone
    }

    void unavailableDriveReturnsToTheDriveThatHadTheFocus_data() {
        QTest::addColumn<Qt::FocusReason>("refocus");  // how the focus comes back after the first pick
        QTest::addColumn<int>("revertedTo");
        QTest::newRow("from another control") << Qt::TabFocusReason << 2;
        QTest::newRow("back from a message box") << Qt::ActiveWindowFocusReason << 1;
        QTest::newRow("back from its own popup") << Qt::PopupFocusReason << 1;
    }
    void unavailableDriveReturnsToTheDriveThatHadTheFocus() {
        QFETCH(Qt::FocusReason, refocus);
        QFETCH(int, revertedTo);
        FileTree tree({"a/", "b/", "c/"});
        testsupport::FakeVolumes volumes({"/", tree.path("a"), tree.path("b"), tree.path("c")});
        volumes.notReady.insert(tree.path("c"));
        QDir::setCurrent(QFile::decodeName(tree.path("a")));
        Slot::showModal();
        tours::frmFile* w = Slot::peek();
        QVERIFY(testsupport::showActive(*w));
        ui::DriveList* drv = w->drvInput;
        QCOMPARE(drv->ListIndex(), 1);
        drv->setFocus(Qt::TabFocusReason);
        drv->setCurrentIndex(2);  // the user picks b
        w->lstFileTypes->setFocus(Qt::TabFocusReason);
        drv->setFocus(refocus);
        drv->setCurrentIndex(3);  // c has gone
        QCOMPARE(boxes->boxes(), QList<ui::MsgRecord>{kNotReady});
        QCOMPARE(drv->ListIndex(), revertedTo);
        QCOMPARE(w->dirInput->Path(), drv->Drive());
        QCOMPARE(w->lblInputPath->text(), ui::displayName(drv->Drive()));
    }

    void maximizedOnlyWhenLargerThanTheScreen_data() {
        QTest::addColumn<double>("wider");  // screen size minus the window's
        QTest::addColumn<double>("taller");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("room to spare") << 1801.0 << 900.0 << false;
        QTest::newRow("exactly the screen") << 0.0 << 0.0 << false;
        QTest::newRow("one twip too wide") << -1.0 << 900.0 << true;
        QTest::newRow("one twip too tall") << 900.0 << -1.0 << true;
    }
    void maximizedOnlyWhenLargerThanTheScreen() {
        QFETCH(double, wider);
        QFETCH(double, taller);
        QFETCH(bool, maximized);
        const double width = ui::width(&Slot::get());
        const double height = ui::height(&Slot::get());
        Slot::get().Unload();
        QTRY_VERIFY(!Slot::exists());
        testsupport::ScreenOverride screen(width + wider, height + taller);
        tours::frmFile& w = Slot::get();
        QCOMPARE(w.windowState().testFlag(Qt::WindowMaximized), maximized);
        if (maximized) {
            QVERIFY(w.minimumWidth() < ui::toPixels(width + wider));  // it may be smaller than designed
        } else {
            QCOMPARE(ui::left(&w), shell::centredOffset(width + wider, width, 2));
            QCOMPARE(ui::top(&w), shell::centredOffset(height + taller, height, 3));
        }
    }

    void clicksExplainAndOnlyTheToolbarCloses_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<ui::MsgRecord>("message");
        const ui::MsgRecord button{
            QStringLiteral("This is all it takes to convert your current files to the Starwright format."),
            ui::Icon::Exclamation, QStringLiteral("Just a click of a button!")};
        const ui::MsgRecord notice{QStringLiteral("This is only a picture.  Click on the 'Close' button up above to "
                                                  "close this window."),
                                   ui::Icon::None, shell::DemoTitle};
        QTest::newRow("Convert") << "cmdAction0" << button;
        QTest::newRow("Close") << "cmdAction1" << button;
        QTest::newRow("Help") << "cmdAction2" << button;
        QTest::newRow("merge picture") << "imgMerge" << notice;
        QTest::newRow("dBase picture") << "imgDbase" << notice;
    }
    void clicksExplainAndOnlyTheToolbarCloses() {
        QFETCH(QString, control);
        QFETCH(ui::MsgRecord, message);
        FileTree tree({"x.nov"});
        tours::frmFile* w = open(tree);
        auto* target = w->findChild<QWidget*>(control);
        w->VSIndexTab1->setCurrTab(control == u"imgMerge" ? 1 : control == u"imgDbase" ? 2 : 0);
        boxes->clear();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QCOMPARE(boxes->boxes(), QList<ui::MsgRecord>{message});
        QVERIFY(Slot::exists() && w->isVisible());
        QTest::mouseClick(w->Command3D1, Qt::LeftButton);
        QTRY_VERIFY(!Slot::exists());
    }
};

}  // namespace

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
