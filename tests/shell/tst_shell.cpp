// The main menu, the shared vocabulary, the shared screen routines and the report
// grid layout both report windows use.

#include <array>
#include <cmath>

#include <QApplication>
#include <QDirIterator>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include "fixtures.h"
#include "shell/mainmenu.h"
#include "shell/reportgrid.h"
#include "shell/screen.h"
#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/elastic.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/picture.h"
#include "ui/twips.h"

using namespace shell;

namespace {

struct Feature : ui::Form {};

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void cleanup() { QCOMPARE(testsupport::visibleWindows().size(), 0); }

    void vocabularySlots() {
        FillVocabulary();
        QCOMPARE(NumPoints, 23);
        QCOMPARE(PlanetAbbr[0], QString());
        QCOMPARE(PlanetAbbr[48], QString());
        QCOMPARE(PlanetAbbr[15], QStringLiteral("PF "));
        QCOMPARE(PlanetAbbr[24], QStringLiteral("1st"));
        QCOMPARE(PlanetAbbr[36], QStringLiteral("Ari"));
        QCOMPARE(SignAbbr.mid(33, 3), QStringLiteral("Pis"));
        QCOMPARE(SignAbbr.mid(36, 3), QStringLiteral("Ari"));
        for (int i = 1; i <= NumPoints; ++i) QCOMPARE(PlanetAbbr[size_t(i)].size(), 3);
        // Every aspect entry: code, three degree digits, three thousandths.
        QCOMPARE(AspectDef[0], QString());
        for (size_t i = 1; i <= 21; ++i) {
            QCOMPARE(AspectDef[i].size(), 9);
            bool ok = false;
            AspectDef[i].mid(3).toInt(&ok);
            QVERIFY2(ok, qPrintable(AspectDef[i]));
        }
    }

    void fullNames_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << "moo" << "Moon";
        QTest::newRow("mixed case") << "Moo" << "Moon";
        QTest::newRow("east point") << "EPt" << "East Point";
        QTest::newRow("fortune with its blank") << "PF " << "P_Fortune";
        QTest::newRow("fortune without the blank") << "PF" << "PF";
        QTest::newRow("black moon has none") << "BML" << "BML";
        QTest::newRow("no code keeps its case") << "xyz" << "xyz";
        QTest::newRow("sign") << "sag" << "Sagittarius";
        QTest::newRow("last sign") << "Pis" << "Pisces";
        QTest::newRow("house is no code") << "1st" << "1st";
        QTest::newRow("longer text") << "Sunday" << "Sunday";
        QTest::newRow("empty") << "" << "";
    }
    void fullNames() {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(FillNameList(code), name);
    }

    void localeFactsFromSampleTexts_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("sep");
        QTest::newRow("day first") << "30/06/1990" << 1 << "1.5" << ".";
        QTest::newRow("year first") << "1990-06-30" << 2 << "1,5" << ",";
        QTest::newRow("month first") << "6/30/1990" << 0 << " 1.5 " << ".";
        QTest::newRow("month first short year") << "06/30/90" << 0 << "1.5" << ".";
        QTest::newRow("two-character separator") << "30. 6. 1990" << 1 << "1,-5" << ",";
        QTest::newRow("missing separator") << "1990630" << 2 << "15" << ".";
        QTest::newRow("too short") << "3" << 0 << "1" << ".";
        QTest::newRow("empty") << "" << 0 << "" << ".";
        QTest::newRow("arabic digits") << "\u0663\u0660/\u0666/\u0661\u0669\u0669\u0660" << 0
                                       << "\u0661\u066B\u0665" << "\u066B";
    }
    void localeFactsFromSampleTexts() {
        QFETCH(QString, date);
        QFETCH(int, order);
        QFETCH(QString, number);
        QFETCH(QString, sep);
        QCOMPARE(dateOrderOf(date), order);
        QCOMPARE(decimalSepOf(number), sep);
    }

    void localeFactsOfRealLocales_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("sep");
        QTest::newRow("en_US") << "en_US" << 0 << ".";
        QTest::newRow("en_GB") << "en_GB" << 1 << ".";
        QTest::newRow("de_DE") << "de_DE" << 1 << ",";
        QTest::newRow("sv_SE") << "sv_SE" << 2 << ",";
        QTest::newRow("ar_EG right to left") << "ar_EG" << 0 << "\u066B";
        QTest::newRow("he_IL right to left") << "he_IL" << 1 << ".";
        QTest::newRow("C library month first") << "C" << 0 << ".";
    }
    void localeFactsOfRealLocales() {
        QFETCH(QString, locale);
        QFETCH(int, order);
        QFETCH(QString, sep);
        testsupport::LocaleSwitch sw(locale);
        FillVocabulary();
        QCOMPARE(DateOrder, order);
        QCOMPARE(DecimalSep, sep);
        QCOMPARE(DecimalSep.size(), 1);
    }

    void centring_data() {
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("part");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("offset");
        QTest::newRow("odd difference") << 9600.0 << 4801.0 << 2 << 2399;
        QTest::newRow("half rounds to even, up") << 9600.0 << 4800.5 << 2 << 2400;
        QTest::newRow("half rounds to even, down") << 9600.0 << 4801.5 << 2 << 2399;
        QTest::newRow("a third of the height") << 7200.0 << 3000.0 << 3 << 1400;
        QTest::newRow("as large as the screen") << 9600.0 << 9600.0 << 2 << 0;
        QTest::newRow("wider than the screen") << 9600.0 << 10600.0 << 2 << -500;
        QTest::newRow("negative truncates toward zero") << 0.0 << 7.0 << 2 << -3;
        QTest::newRow("negative third") << 0.0 << 8.0 << 3 << -2;
    }
    void centring() {
        QFETCH(double, total);
        QFETCH(double, part);
        QFETCH(int, divisor);
        QFETCH(int, offset);
        QCOMPARE(centredOffset(total, part, divisor), offset);
    }

    // A report grid keeps its top, takes its width and a fraction of the height
    // left below it, and is centred in its container by the whole-number rule or
    // by exact halving; its title centres by the same rule, its button sits under it.
    void reportGridLayout_data() {
        QTest::addColumn<double>("container");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<bool>("exact");
        QTest::newRow("even difference") << 9000.0 << 5000.0 << 0.8 << false;
        QTest::newRow("odd difference truncates") << 8851.0 << 4400.0 << 0.7 << false;
        QTest::newRow("odd difference halved exactly") << 8851.0 << 5985.0 << 0.7 << true;
        QTest::newRow("wider than its container") << 4000.0 << 5231.0 << 0.9 << false;
    }
    void reportGridLayout() {
        QFETCH(double, container);
        QFETCH(double, width);
        QFETCH(double, fraction);
        QFETCH(bool, exact);
        QWidget page;
        auto* g = new ui::Grid(&page);
        ui::setGeometryTwips(g, 15, 600, 1000, 1000);
        shell::layOutGrid(*g, width, fraction, 6000, container, exact);
        QCOMPARE(ui::top(g), 600.0);
        QCOMPARE(ui::width(g), width);
        QCOMPARE(ui::height(g), fraction * (6000 - 600));
        QCOMPARE(ui::left(g), exact ? (container - width) / 2 : double(centredOffset(container, width, 2)));
        ui::Label* title = shell::reportTitle(QStringLiteral("Arabic Parts"), &page, 120);
        QVERIFY(title->font().bold());
        shell::centreAcross(*title, container);
        QCOMPARE(ui::left(title), double(centredOffset(container, ui::width(title), 2)));
        auto* button = new ui::CommandButton(QStringLiteral("&Sort"), &page);
        shell::placeUnderGrid(*button, *g);
        QCOMPARE(ui::top(button), ui::top(g) + ui::height(g));
        QCOMPARE(ui::left(button), ui::left(g));
        QCOMPARE(ui::width(button), width);
    }

    // A data cell too narrow for its text runs on over all the empty cells to its
    // right; the header, texts that fit and texts with no empty neighbour do not.
    void reportTextsSpillIntoEmptyCells() {
        ui::Grid g;
        g.setRows(1);
        setColumns(g, {600, 600, 600, 600});
        writeHeader(g, {"A long heading", "", "", ""});
        const QString longText = QStringLiteral("Moon's North Node:");
        const std::array<const char*, 4> rows[] = {{"Moon's North Node:", "", "", "+12.5"},
                                                   {"Sun", "", "", ""},
                                                   {"Moon's North Node:", "x", "", ""},
                                                   {"", "Moon's North Node:", "", ""}};
        appendRows(g, std::span<const std::array<const char*, 4>>(rows));
        QVERIFY(QFontMetrics(g.font()).horizontalAdvance(longText) > g.columnWidth(0));
        spillIntoEmptyCells(g);
        QCOMPARE(g.FixedRows(), 1);
        const QList<int> spans{g.columnSpan(0, 0), g.columnSpan(1, 0), g.columnSpan(2, 0), g.columnSpan(3, 1)};
        QCOMPARE(spans, QList<int>({3, 1, 1, 3}));
        QCOMPARE(g.TextMatrix(1, 1), QString());  // the cells keep their texts
        QCOMPARE(g.TextMatrix(0, 0), QStringLiteral("A long heading"));
    }

    void centerFormPlacesAWindow() {
        testsupport::ScreenOverride screen(9600, 7200);
        QWidget w;
        ui::setClientSizeTwips(&w, 4800, 3000);
        CenterForm(w);
        QCOMPARE(ui::left(&w), 2400.0);
        QCOMPARE(ui::top(&w), 1400.0);
    }

    void pictureNotice() {
        testsupport::MsgBoxRecorder rec;
        ShowPictureNotice();
        QCOMPARE(rec.boxes().size(), 1);
        QCOMPARE(rec.boxes()[0].text, QStringLiteral("This is only a picture.  Click on the 'Close' button up "
                                                     "above to close this window."));
        QCOMPARE(rec.boxes()[0].icon, ui::Icon::None);
        QCOMPARE(rec.boxes()[0].title, DemoTitle);
    }

    void mainMenuAfterLoad() {
        NumPoints = 0;
        Form1 menu;
        menu.Form_Load();
        QCOMPARE(NumPoints, 23);  // the load filled the vocabulary
        QCOMPARE(menu.lblStatus->text(), menu.StatusDefaultText);
        // The first three contact lines sit centred, whatever their design position.
        for (size_t i = 0; i < 3; ++i) {
            const double centre = ui::left(menu.lblLogo[i]) + ui::width(menu.lblLogo[i]) / 2;
            QVERIFY(std::abs(centre - ui::width(menu.vseLogo) / 2) <= 1.0);
        }
        // Tab order as designed: Files, Options, Customizing, PC Atlas, More Data, Tables, Exit, ...
        for (auto* b : menu.cmdAction) b->setEnabled(true);
        QVERIFY(testsupport::showActive(menu));
        menu.cmdAction[9]->setFocus();
        const QList<QWidget*> order = testsupport::tabWalk();
        const QList<QWidget*> expected{menu.cmdAction[0], menu.cmdAction[1], menu.cmdAction[3],
                                       menu.cmdAction[2], menu.cmdAction[4], menu.cmdAction[5],
                                       menu.cmdExit,      menu.cmdAction[6], menu.cmdAction[7],
                                       menu.cmdAction[8], menu.cmdAction[9]};
        QCOMPARE(order, expected);
        // Every button shows a picture rendered for 1x and for 2x screens.
        for (auto* b : menu.cmdAction) {
            for (qreal ratio : {1.0, 2.0}) {
                const QPixmap pm = b->icon().pixmap(b->iconSize(), ratio);
                QVERIFY2(!pm.isNull() && pm.devicePixelRatio() == ratio, qPrintable(b->text()));
            }
        }
        menu.close();
    }

    // Every picture of the program has its build-time rasters, the second twice the
    // first, and the first looks like its SVG drawn at that size (same mean colour:
    // a raster read in the wrong byte order or unpremultiplied would not).
    void everyPictureHasItsRasters() {
        QStringList pictures;
        for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            pictures << it.next();
        QVERIFY(pictures.size() > 40);
        const auto mean = [](const QImage& image) {
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            std::array<double, 4> sum{};
            for (int y = 0; y < argb.height(); ++y)
                for (int x = 0; x < argb.width(); ++x) {
                    const QRgb px = argb.pixel(x, y);
                    sum[0] += qRed(px), sum[1] += qGreen(px), sum[2] += qBlue(px), sum[3] += qAlpha(px);
                }
            for (double& v : sum) v /= argb.width() * argb.height();
            return sum;
        };
        for (const QString& svg : pictures) {
            if (svg.startsWith(QLatin1String(":/icons/")))
                continue;  // the window icon comes in the window system's sizes
            const QImage one = ui::readRaster(ui::rasterOf(svg, 1));
            const QImage two = ui::readRaster(ui::rasterOf(svg, 2));
            QVERIFY2(!one.isNull() && !two.isNull(), qPrintable(svg));
            QVERIFY2(std::abs(two.width() - 2 * one.width()) <= 1 && std::abs(two.height() - 2 * one.height()) <= 1,
                     qPrintable(svg));
            QImage drawn(one.size(), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QSvgRenderer renderer(svg);
            QSizeF box = renderer.defaultSize();
            box.scale(drawn.size(), Qt::KeepAspectRatio);
            QPainter p(&drawn);
            p.setRenderHint(QPainter::Antialiasing);
            renderer.render(&p, QRectF(QPointF((drawn.width() - box.width()) / 2, (drawn.height() - box.height()) / 2),
                                       box));
            p.end();
            const auto a = mean(one), b = mean(drawn);
            for (size_t c = 0; c < a.size(); ++c)
                QVERIFY2(std::abs(a[c] - b[c]) < 4, qPrintable(svg + QStringLiteral(" channel %1").arg(c)));
        }
        const QIcon icon = ProgramIcon();
        for (int size : {16, 32, 48})
            QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
    }

    void statusLineFollowsThePointer() {
        Form1 menu;
        menu.Form_Load();
        QVERIFY(testsupport::showActive(menu));
        const auto over = [&](QWidget* target, QPoint at = {}) {
            QTest::mouseMove(target, at.isNull() ? target->rect().center() : at);
            QCoreApplication::processEvents();
            return menu.lblStatus->text();
        };
        QCOMPARE(over(menu.cmdAction[6]), Form1::description(6));
        QCOMPARE(over(menu.Label1), menu.StatusDefaultText);
        QCOMPARE(over(menu.cmdAction[2]), Form1::description(2));
        // A gap between the buttons belongs to picMain, which keeps the text.
        QPoint gap(-1, -1);
        for (int y = 0; y < menu.picMain->height() && gap.x() < 0; ++y) {
            for (int x = 0; x < menu.Panel3D1->x() && gap.x() < 0; ++x) {
                if (!menu.picMain->childAt(x, y)) gap = QPoint(x, y);
            }
        }
        QVERIFY(gap.x() >= 0);
        QCOMPARE(over(menu.picMain, gap), Form1::description(2));
        QCOMPARE(over(menu.cmdExit), QStringLiteral("Click the Exit button to end the Starwright Demo."));
        QCOMPARE(over(menu.vseLogo, {5, menu.vseLogo->height() - 5}), menu.StatusDefaultText);
        QCOMPARE(over(menu.cmdAction[9]), Form1::description(9));  // not built yet, still described
        QVERIFY(!menu.cmdAction[9]->isEnabled());
        QCOMPARE(over(menu.lblStatus), menu.StatusDefaultText);
        menu.close();
    }

    // A feature button opens its window modally, by a click or its access key;
    // a button without a window opens nothing; Exit ends the program.
    void buttonsOpenFeaturesAndExit() {
        Form1 menu;
        menu.Form_Load();
        int opened = 0;
        menu.setFeature(6, [&] { ++opened; });
        menu.setFeature(5, &ui::FormSlot<Feature>::showModal);
        QVERIFY(menu.cmdAction[6]->isEnabled());
        QVERIFY(testsupport::showActive(menu));
        QTest::mouseClick(menu.cmdAction[5], Qt::LeftButton);
        QVERIFY(ui::FormSlot<Feature>::exists());
        Feature& f = ui::FormSlot<Feature>::get();
        QVERIFY(f.isVisible());
        QCOMPARE(f.windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), &f);
        f.Unload();
        QTRY_VERIFY(!ui::FormSlot<Feature>::exists());
        QVERIFY(testsupport::showActive(menu));
        QTest::keyClick(&menu, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(opened, 1);
        QTest::keyClick(&menu, Qt::Key_F, Qt::AltModifier);  // not built: nothing opens
        QCOMPARE(opened, 1);
        const int ends = testsupport::endProgramCalls();
        QTest::keyClick(&menu, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(testsupport::endProgramCalls(), ends + 1);
        menu.close();
    }
};

}  // namespace

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
