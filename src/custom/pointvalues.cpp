#include "custom/pointvalues.h"

#include <QGroupBox>
#include <cmath>
#include <limits>

#include "shell/vocabulary.h"
#include "ui/controls.h"
#include "ui/locale.h"
#include "ui/twips.h"

namespace custom {

namespace {
constexpr double kClientWidth = 6360;
constexpr double kClientHeight = 4260;
constexpr double kRight = 3000;
constexpr double kRightWidth = 3120;
}  // namespace

PointValues::PointValues() {
    setObjectName(QStringLiteral("PointValues"));
    setWindowTitle(QStringLiteral("Points for Elements and Modalities"));
    setDesignClientSizeTwips(kClientWidth, kClientHeight);
    keepDesignSize();  // a short list and one field: nothing in it would use more room

    PlanetList = new ui::ListBox(this);
    PlanetList->setObjectName(QStringLiteral("PlanetList"));
    PlanetList->setAccessibleName(QStringLiteral("Points"));
    ui::setGeometryTwips(PlanetList, 240, 240, 2520, kClientHeight - 480);

    fraPointValue = new QGroupBox(QStringLiteral("Point Value"), this);
    fraPointValue->setObjectName(QStringLiteral("fraPointValue"));
    ui::setGeometryTwips(fraPointValue, kRight, 180, kRightWidth, 840);
    Text1 = new ui::TextBox(fraPointValue);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Point value"));
    ui::setGeometryTwips(Text1, 240, 360, 1200, 330);

    SplitPointsBox = new ui::CheckBox(QStringLiteral("In Final Degree, Split Planets"), this);
    SplitPointsBox->setObjectName(QStringLiteral("SplitPointsBox"));
    ui::setGeometryTwips(SplitPointsBox, kRight, 1200, kRightWidth, 300);
    ui::setWidth(SplitPointsBox,
                 std::min(kRightWidth, ui::toTwips(SplitPointsBox->sizeHint().width()) + 30));
    SplitPointsBox->setChecked(true);
    // The check box's caption goes on in this label, level with the caption text.
    const double indent = ui::toTwips(SplitPointsBox->sizeHint().width()) -
                          ui::textWidthTwips(SplitPointsBox->font(), SplitPointsBox->text());
    lblSplit = new ui::Label(QStringLiteral("Between Adjacent Signs"), this);
    lblSplit->setObjectName(QStringLiteral("lblSplit"));
    ui::setGeometryTwips(lblSplit, kRight + std::max(0.0, indent - 30), 1500, kRightWidth - indent,
                         270);

    const std::array<const char*, 3> captions{"&Save && Exit", "Return to &Default", "&Cancel"};
    for (size_t i = 0; i < captions.size(); ++i) {
        auto* b = new ui::CommandButton(QString::fromLatin1(captions[i]), this);
        b->setObjectName(QStringLiteral("Command1_%1").arg(i));
        ui::setGeometryTwips(b, kRight + 360, 2220 + 540.0 * static_cast<double>(i),
                             kRightWidth - 720, 420);
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(static_cast<int>(i)); });
        Command1[i] = b;
    }

    connect(PlanetList, &ui::ListBox::Click, this, &PointValues::PlanetList_Click);
    connect(Text1, &ui::TextBox::GotFocus, this,
            [this] { EditedPoint = static_cast<qint16>(PlanetList->ListIndex()); });
    connect(Text1, &ui::TextBox::LostFocus, this, &PointValues::Text1_LostFocus);
}

void PointValues::open(QWidget* owner) {
    auto& w = ui::FormSlot<PointValues>::get();
    // Modal over the window that opened it, and centred on it.
    w.setParent(owner, w.windowFlags());
    ui::runModal(w);
}

void PointValues::Form_Load() {
    const int n = shell::NumPoints;
    for (int i = 0; i < n; ++i) {
        PointNames[static_cast<size_t>(i)] =
            shell::FillNameList(shell::PlanetAbbr[static_cast<size_t>(i + 1)]);
        PlanetList->AddItem(PointNames[static_cast<size_t>(i)]);
    }
    PlanetList->setListIndex(0);
    for (int p = 1; p <= n; ++p)
        PointDefaults[static_cast<size_t>(p)] = p <= 2 ? 2 : p <= 11 ? 1 : 0;
    for (int p = 1; p <= n; ++p)
        PointWeights[static_cast<size_t>(p)] = PointDefaults[static_cast<size_t>(p)];
    Text1->setText(ui::Locale::singleText(PointWeights[static_cast<size_t>(PlanetList->ListIndex() + 1)]));
}

void PointValues::PlanetList_Click() {
    const int position = PlanetList->ListIndex();
    if (position < 0 || position + 1 >= static_cast<int>(PointWeights.size()))
        return;
    Text1->setText(ui::Locale::singleText(PointWeights[static_cast<size_t>(position + 1)]));
}

void PointValues::Text1_LostFocus() {
    const double v = ui::Locale::leadingNumber(Text1->text());
    // A value that single precision cannot hold is treated like one of 100 or more.
    const bool fits = v >= -static_cast<double>(std::numeric_limits<float>::max());
    if (EditedPoint >= 0 && EditedPoint + 1 < static_cast<int>(PointWeights.size()) && v < 100 &&
        fits) {
        PointWeights[static_cast<size_t>(EditedPoint + 1)] = static_cast<float>(v);
    }
}

void PointValues::Command1_Click(int index) {
    if (index == 1) {
        for (int p = 1; p <= shell::NumPoints; ++p) {
            PointWeights[static_cast<size_t>(p)] = PointDefaults[static_cast<size_t>(p)];
        }
        SplitPointsBox->setValue(Qt::Checked);
        return;
    }
    Unload();
}

}  // namespace custom
