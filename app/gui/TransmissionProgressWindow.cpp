#include "TransmissionProgressWindow.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <iterator>

#include "QtFormKernel.h"

namespace Korvel::Gui {

namespace {

using State = Kolvenia::ITransmissionProgress::BarState;

// The legend's squares: each state's colour and what it means.
struct StateLook {
    State state;
    const char* name;
    QColor colour;
};

const StateLook StateLooks[] = {
    {State::Available, "Urządzenie aktualnie czynne", QColor(0, 160, 0)},
    {State::Installed, "Urządzenie zainstalowane", QColor(150, 150, 150)},
    {State::Failing, "Urządzenie działa niepoprawnie", QColor(210, 0, 0)},
};

// The shortest value axis still shows a few whole steps when nothing waits.
constexpr int MinimumAxisTop = 5;

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The category axis takes no two equal labels, so each gap gets its own run of blanks.
QStringList categories(const std::vector<Kolvenia::ITransmissionProgress::Bar>& bars) {
    QStringList labels;
    QString gap;
    for (const auto& bar : bars) labels << (bar.state == State::Gap ? (gap += ' ') : text(bar.label));
    return labels;
}

}  // namespace

template <class Command>
void TransmissionProgressWindow::run(Command command) {
    try {
        command();
        showTimerState();
    } catch (const std::exception& e) {
        showTimerState();
        FormKernel::messageBoxes()->error(e.what());
    }
}

TransmissionProgressWindow::TransmissionProgressWindow(std::shared_ptr<Core::IUnknown> owner, QWidget* parent)
    : QWidget(parent, Qt::Window),
      owner_(std::move(owner)),
      model_(owner_->as<Kolvenia::ITransmissionProgress>()),
      chart_(new QChart),
      period_(new QLineEdit(this)),
      timer_(new QTimer(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(Kolvenia::ITransmissionProgress::formClass);
    setWindowTitle(Kolvenia::ITransmissionProgress::caption);
    resize(760, 520);
    timer_->setObjectName("tmrOdswiez");
    connect(timer_, &QTimer::timeout, this, &TransmissionProgressWindow::tick);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("pcZakladki");
    tabs->addTab(chartTab(), "Wagi");
    auto* close = new QPushButton("&Zamknij", this);
    close->setObjectName("btnZamknij");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(periodGroup());
    bottom->addStretch();
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(bottom);

    period_->setText(text(model_.refreshSeconds()));
    drawChart();
    showTimerState();
}

QWidget* TransmissionProgressWindow::chartTab() {
    auto* tab = new QWidget;
    tab->setObjectName("tsWagi");
    chart_->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart_, tab);
    view->setObjectName("chtWagi");
    view->setRenderHint(QPainter::Antialiasing);
    // Drag a rectangle to zoom into some of many scales; the right button zooms out.
    view->setRubberBand(QChartView::RectangleRubberBand);
    auto* showLog = new QPushButton("Pokaż log...", view);
    showLog->setObjectName("btnPokazLog");
    showLog->move(8, 8);
    showLog->setVisible(model_.logButtonShown());
    showLog->setEnabled(model_.logButtonShown());
    connect(showLog, &QPushButton::clicked, this, [this] {
        run([this] {
            WindowForm form(this);
            model_.btnPokazLogClick(&form);
        });
    });
    (new QVBoxLayout(tab))->addWidget(view);
    return tab;
}

QWidget* TransmissionProgressWindow::periodGroup() {
    auto* group = new QGroupBox("Okres odświeżania", this);
    period_->setObjectName("edtOkres");
    period_->setMaxLength(4);
    period_->setFixedWidth(period_->fontMetrics().horizontalAdvance("00000") + 12);
    auto* apply = new QPushButton("Zastos&uj", group);
    apply->setObjectName("btnZastosuj");
    connect(apply, &QPushButton::clicked, this, [this] {
        model_.btnZastosujClick(period_->text().toStdString());
        showTimerState();
    });
    connect(period_, &QLineEdit::returnPressed, apply, &QPushButton::click);
    auto* save = new QPushButton("Za&pisz", group);
    save->setObjectName("btnZapisz");
    connect(save, &QPushButton::clicked, this, [this] { run([this] { model_.btnZapiszClick(); }); });
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(period_);
    layout->addWidget(new QLabel("s", group));
    layout->addWidget(apply);
    layout->addWidget(save);
    return group;
}

void TransmissionProgressWindow::drawChart() {
    const auto& drawn = model_.chart();
    chart_->setTitle(text(drawn.title));
    const QStringList labels = categories(drawn.bars);
    if (!series_ || scales_->categories() != labels) buildChart(labels);
    scales_->setTitleText(text(drawn.bottomAxisTitle));
    plu_->setTitleText(text(drawn.leftAxisTitle));
    const QList<QBarSet*> sets = series_->barSets();
    int highest = 0;
    for (int i = 0; i < labels.size(); ++i) {
        const auto& bar = drawn.bars[static_cast<std::size_t>(i)];
        for (std::size_t look = 0; look < std::size(StateLooks); ++look)
            sets[static_cast<int>(look)]->replace(i, bar.state == StateLooks[look].state ? bar.waitingPlu : 0);
        highest = std::max(highest, bar.waitingPlu);
    }
    // A zoomed chart keeps the operator's view while its bars grow and shrink.
    if (chart_->isZoomed()) return;
    plu_->setRange(0, std::max(highest, MinimumAxisTop));
    plu_->applyNiceNumbers();
}

void TransmissionProgressWindow::buildChart(const QStringList& labels) {
    chart_->zoomReset();
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    series_ = new QStackedBarSeries;
    for (const auto& look : StateLooks) {
        auto* set = new QBarSet(look.name);
        set->setColor(look.colour);
        set->setBorderColor(look.colour.darker());
        set->append(QList<qreal>(labels.size(), 0));
        series_->append(set);
    }
    series_->setBarWidth(0.8);
    chart_->addSeries(series_);
    scales_ = new QBarCategoryAxis;
    scales_->append(labels);
    chart_->addAxis(scales_, Qt::AlignBottom);
    series_->attachAxis(scales_);
    plu_ = new QValueAxis;
    plu_->setLabelFormat("%d");
    chart_->addAxis(plu_, Qt::AlignLeft);
    series_->attachAxis(plu_);
}

void TransmissionProgressWindow::showTimerState() {
    timer_->setInterval(model_.refreshInterval());
    if (!model_.timerEnabled())
        timer_->stop();
    else if (!timer_->isActive())
        timer_->start();
}

void TransmissionProgressWindow::tick() {
    timer_->stop();
    run([this] { model_.refresh(); });
    drawChart();
}

}  // namespace Korvel::Gui
