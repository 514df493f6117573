// The transmission progress window on Qt: draws the behaviour's chart as a stacked bar
// chart (one set per colour, so every bar takes the colour of its state; the sets'
// legend is the window's legend), runs the refresh timer with the behaviour's period
// and state, and forwards the operator's clicks. Modeless; it shares the behaviour
// object while open and deletes itself when closed.
#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "dialogs/ITransmissionProgress.h"

class QBarCategoryAxis;
class QChart;
class QStackedBarSeries;
class QValueAxis;
class QLineEdit;
class QTimer;

namespace Korvel::Gui {

class TransmissionProgressWindow : public QWidget {
    Q_OBJECT
public:
    // owner: the form arguments' model, a Kolvenia::ITransmissionProgress.
    TransmissionProgressWindow(std::shared_ptr<Core::IUnknown> owner, QWidget* parent);

private:
    QWidget* chartTab();
    QWidget* periodGroup();
    // Puts the behaviour's chart on screen; the series and axes are made anew only
    // when the bars' labels change, so a refresh keeps the operator's zoom.
    void drawChart();
    void buildChart(const QStringList& labels);
    void showTimerState();
    void tick();
    // Runs one of the behaviour's commands; an error it raises goes to an error box.
    template <class Command>
    void run(Command command);

    std::shared_ptr<Core::IUnknown> owner_;
    Kolvenia::ITransmissionProgress& model_;
    QChart* chart_;
    QStackedBarSeries* series_ = nullptr;
    QBarCategoryAxis* scales_ = nullptr;
    QValueAxis* plu_ = nullptr;
    QLineEdit* period_;
    QTimer* timer_;
};

}  // namespace Korvel::Gui
