// Drive, folder and file lists over a prepared folder tree.

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include "filetree.h"
#include "fixtures.h"
#include "tests.h"
#include "ui/filelists.h"

using testsupport::FileTree;

namespace {

QString shown(const auto& list) {
    QStringList out;
    for (int i = 0; i < list.ListCount(); ++i) out << list.List(i);
    return out.join(u'|');
}

const QByteArray kLongName = QByteArray(200, 'z') + ".cht";

class TestFileLists : public QObject {
    Q_OBJECT

    FileTree tree{{"b.CHT", "a.cht", "c.txt", "noext", ".hidden.cht", "folder.cht/", "broken.cht -> nowhere",
                   "linked.cht -> c.txt", "A&B.cht", "<b>bold.cht", "tab\tname.cht", "\xff\xfe.cht", kLongName,
                   "sub/", "sub/Zeta/", "sub/alpha/", "sub/.git/", "sub/file.txt", "sub/linkdir -> alpha",
                   "sub/locked/!", "sub/locked/inner/"}};

private slots:
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    void fileListShowsMatchingPlainFilesSorted_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("names");
        const QString cht = QStringLiteral("<b>bold.cht|A&B.cht|a.cht|b.CHT|linked.cht|tab\u2409name.cht|") +
                            QString::fromLatin1(kLongName) + QStringLiteral("|\uFFFD\uFFFD.cht");
        QTest::newRow("any case, odd names verbatim") << "*.CHT" << cht;
        QTest::newRow("lower-case pattern") << "*.cht" << cht;
        QTest::newRow("one character") << "?.cht" << "a.cht|b.CHT";
        QTest::newRow("two patterns") << "*.txt;noext" << "c.txt|noext";
        QTest::newRow("nothing matches") << "*.NOV" << "";
    }
    void fileListShowsMatchingPlainFilesSorted() {
        QFETCH(QString, pattern);
        QFETCH(QString, names);
        ui::FileList list;
        QSignalSpy paths(&list, &ui::FileList::PathChange);
        QSignalSpy patterns(&list, &ui::FileList::PatternChange);
        // Each change is raised once, after the list has filled itself.
        connect(&list, &ui::FileList::PatternChange, this, [&] { QCOMPARE(shown(list), names); });
        list.setPath(tree.path());
        list.setPattern(pattern);
        list.setPattern(pattern);
        list.setPath(tree.path() + '/');
        QCOMPARE(paths.size(), 1);
        QCOMPARE(patterns.size(), 1);
        if (!names.isEmpty()) {  // the tool tip shows the name as written, never as markup
            QTextDocument tip;
            tip.setHtml(list.model()->index(0, 0).data(Qt::ToolTipRole).toString());
            QCOMPARE(tip.toPlainText(), list.List(0));
        }
    }

    void folderListBrowsesTheChainAndSubfolders() {
        testsupport::FakeVolumes volumes({"/", tree.path()});
        ui::DirList dir;
        dir.setDrive(tree.path());
        QSignalSpy changes(&dir, &ui::DirList::Change);
        QCOMPARE(dir.setPath(tree.path("sub")), ui::PathResult::Done);
        const QString root = ui::displayName(tree.path());
        QCOMPARE(shown(dir), root + QStringLiteral("|sub|alpha|linkdir|locked|Zeta"));
        dir.openRow(2);  // alpha, by double-click or Enter
        QCOMPARE(dir.Path(), tree.path("sub/alpha"));
        QCOMPARE(shown(dir), root + QStringLiteral("|sub|alpha"));
        dir.openRow(0);  // up to the volume's root
        QCOMPARE(dir.Path(), tree.path());
        QCOMPARE(changes.size(), 3);
        QCOMPARE(dir.setPath(tree.path("a.cht")), ui::PathResult::Failed);
        QCOMPARE(dir.Path(), tree.path());
        // A folder the user may not read is entered, shows nothing and can be left.
        testsupport::AsOrdinaryUser user;
        QCOMPARE(dir.setPath(tree.path("sub/locked")), ui::PathResult::Done);
        QCOMPARE(shown(dir), root + QStringLiteral("|sub|locked"));
        dir.openRow(1);
        QCOMPARE(shown(dir), root + QStringLiteral("|sub|alpha|linkdir|locked|Zeta"));
    }

    void currentFolderThatVanishesGivesWayToTheNearestLeft() {
        FileTree t{{"gone/", "gone/inner/"}};
        testsupport::FakeVolumes volumes({"/", t.path()});
        ui::DirList dir;
        dir.setDrive(t.path());
        QCOMPARE(dir.setPath(t.path("gone/inner")), ui::PathResult::Done);
        QSignalSpy changes(&dir, &ui::DirList::Change);
        QVERIFY(QDir(QString::fromLocal8Bit(t.path("gone"))).removeRecursively());
        dir.openRow(1);  // "gone", still in the chain
        QCOMPARE(dir.Path(), t.path());
        QCOMPARE(changes.size(), 1);
    }

    void driveReturnsToItsLastFolderOrIsNotReady() {
        FileTree a{{"deep/"}};
        FileTree b;
        testsupport::FakeVolumes volumes({"/", a.path(), b.path()});
        ui::DirList dir;
        QCOMPARE(dir.setDrive(a.path()), ui::PathResult::Done);
        QCOMPARE(dir.setPath(a.path("deep")), ui::PathResult::Done);
        QCOMPARE(dir.setDrive(b.path()), ui::PathResult::Done);
        QCOMPARE(dir.Path(), b.path());
        QCOMPARE(dir.setDrive(a.path()), ui::PathResult::Done);
        QCOMPARE(dir.Path(), a.path("deep"));
        volumes.notReady.insert(b.path());
        QSignalSpy changes(&dir, &ui::DirList::Change);
        QCOMPARE(dir.setDrive(b.path()), ui::PathResult::NotReady);
        QCOMPARE(dir.Path(), a.path("deep"));
        QCOMPARE(changes.size(), 0);
    }

    void drivesFromTheMountTable_data() {
        QTest::addColumn<QByteArray>("mountinfo");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("roots");
        const QByteArray common =
            "21 26 0:20 / /proc rw - proc proc rw\n"
            "24 23 0:22 / /dev/shm rw - tmpfs tmpfs rw\n"
            "26 1 254:0 / / rw - ext4 /dev/vda rw\n"
            "27 26 8:2 / /home rw - ext4 /dev/sda2 rw\n"
            "28 26 0:40 / /mnt/share rw - nfs4 server:/export rw\n"
            "29 26 0:41 / /mnt/music rw - cifs //srv/music rw\n"
            "30 26 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
            "31 26 8:17 / /media/u/My\\040Disk rw,nosuid shared:7 - vfat /dev/sdb1 rw\n"
            "32 26 254:0 /srv/hosts /etc/hosts rw - ext4 /dev/vda rw\n";
        const QByteArray devices = "/|/home|/media/u/My Disk|/mnt/music|/mnt/share";
        QTest::newRow("devices and shares") << common << QByteArray("/home/u") << devices;
        QTest::newRow("start folder's volume") << common + "40 26 0:50 / /tmp rw - tmpfs tmpfs rw\n"
                                               << QByteArray("/tmp/work") << devices + "|/tmp";
        QTest::newRow("no table at all") << QByteArray() << QByteArray("/home/u") << QByteArray("/");
    }
    void drivesFromTheMountTable() {
        QFETCH(QByteArray, mountinfo);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, roots);
        QByteArrayList got;
        for (const QByteArray& r : ui::driveRoots(ui::parseMountInfo(mountinfo), start)) got << r;
        QCOMPARE(got.join('|'), roots);
    }

    void tenThousandFilesListQuickly() {
        FileTree big;
        std::vector<QByteArray> names;
        for (int i = 0; i < 10000; ++i) names.push_back("chart" + QByteArray::number(i) + ".CHT");
        big.add(names);
        ui::FileList list;
        list.setPattern(QStringLiteral("*.cht"));
        QElapsedTimer clock;
        clock.start();
        list.setPath(big.path());
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(list.ListCount(), 10000);
        QCOMPARE(list.List(1), QStringLiteral("chart1.CHT"));
    }
};

}  // namespace

QObject* makeFileListsTest() {
    return new TestFileLists;
}

#include "tst_filelists.moc"
