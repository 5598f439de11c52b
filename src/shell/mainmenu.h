#pragma once

// The start-up window: ten feature buttons, Exit, a status line describing what
// the pointer rests on, and the maker's contact block. Its load fills the shared
// vocabulary, so it exists before any feature window.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

namespace ui {
class ElasticPanel;
class Label;
class PictureButton;
class CommandButton;
}  // namespace ui

class QFrame;

namespace shell {

class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFeatureCount = 10;

    explicit Form1(QWidget* parent = nullptr);

    void Form_Load();

    // Connects feature button `index` to what opens its window. A button without
    // a window stays disabled.
    void setFeature(int index, std::function<void()> open);

    static const QString& description(int index);
    QString StatusDefaultText;

    // Controls, named as the window designs them.
    QWidget* picMain;
    std::array<ui::PictureButton*, kFeatureCount> cmdAction{};
    QFrame* Panel3D1;
    ui::Label* Label1;
    ui::CommandButton* cmdExit;
    QFrame* pnlStatus;
    QFrame* Panel3D2;
    ui::Label* lblStatus;
    ui::ElasticPanel* vseLogo;
    std::array<ui::Label*, 4> lblLogo{};

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildButtons();
    void buildStatusAndLogo();
    void cmdAction_Click(int index);
    void cmdAction_MouseMove(int index);
    void cmdExit_MouseMove();
    void restoreStatus();

    std::array<std::function<void()>, kFeatureCount> open_{};
};

}  // namespace shell
