#include "ScopeWindow.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "LoggedColumn.h"
#include "ScopeExporter.h"

namespace VantorStudio {

namespace {

constexpr int kInitialWidth = 720;
constexpr int kInitialAxisHeight = 220;

// The column of `results` named `name`; npos when there is none.
std::size_t columnNamed(const VTSIM::SimulationResults& results, const std::string& name) {
    const std::vector<std::string>& names = results.columnNames();
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? std::string::npos : std::size_t(found - names.begin());
}

}  // namespace

ScopeWindow::ScopeWindow(std::string scopePath, int inputPorts, Results current, Results previous,
                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      scopePath_(std::move(scopePath)),
      current_(std::move(current)),
      previous_(std::move(previous)) {
    setWindowTitle(QString::fromStdString(scopePath_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    buildAxes(inputPorts);
    status_ = new QLabel(this);
    status_->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(status_);
    fillAxes();
    resize(kInitialWidth, 40 + kInitialAxisHeight * std::max(1, inputPorts));
}

ScopeWindow::~ScopeWindow() = default;

const std::vector<QColor>& ScopeWindow::palette() {
    static const std::vector<QColor> colours{
        QColor(0, 90, 200),   QColor(220, 90, 0),  QColor(20, 150, 60),  QColor(200, 30, 50),
        QColor(120, 60, 180), QColor(0, 150, 160), QColor(160, 110, 40), QColor(210, 60, 160)};
    return colours;
}

void ScopeWindow::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->addAction(tr("Autoscale"), this, &ScopeWindow::autoscale);
    bar->addAction(tr("Export Data..."), this, &ScopeWindow::askForCsv);
    bar->addAction(tr("Export Picture..."), this, &ScopeWindow::askForPicture);
    compareAction_ = bar->addAction(tr("Compare with last run"));
    compareAction_->setCheckable(true);
    compareAction_->setChecked(true);
    connect(compareAction_, &QAction::toggled, this, &ScopeWindow::setComparesWithLastRun);
    layout()->addWidget(bar);
}

void ScopeWindow::buildAxes(int inputPorts) {
    axes_ = new QWidget(this);
    auto* stack = new QVBoxLayout(axes_);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    for (int port = 1; port <= inputPorts; ++port) {
        auto* plot = new PlotWidget(axes_);
        stack->addWidget(plot);
        plots_.push_back(plot);
        connect(plot, &PlotWidget::timeRangeChanged, this,
                [this, plot](double low, double high) { shareTimeRange(plot, low, high); });
        connect(plot, &PlotWidget::autoscaleRequested, this, &ScopeWindow::autoscale);
    }
    layout()->addWidget(axes_);
    static_cast<QVBoxLayout*>(layout())->setStretchFactor(axes_, 1);
}

std::vector<std::size_t> ScopeWindow::columnsOfInput(const VTSIM::SimulationResults& results,
                                                     const std::string& scopePath, int port) {
    std::vector<std::size_t> columns;
    const std::vector<std::string>& names = results.columnNames();
    for (std::size_t c = 0; c < names.size(); ++c) {
        const std::optional<LoggedColumn> column = LoggedColumn::parse(names[c]);
        if (column && column->blockPath == scopePath && column->input == port)
            columns.push_back(c);
    }
    return columns;
}

// Each port's columns of the current run become its axis's traces; the previous run's columns
// of the same names become the faded ones, in the same colours.
void ScopeWindow::fillAxes() {
    const std::vector<QColor>& colours = palette();
    for (int port = 1; port <= axisCount(); ++port) {
        std::vector<PlotTrace> traces, earlier;
        const std::vector<std::size_t> columns =
            current_ ? columnsOfInput(*current_, scopePath_, port) : std::vector<std::size_t>{};
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string& column = current_->columnNames()[columns[i]];
            const QColor colour = colours[i % colours.size()];
            traces.push_back(
                {current_, columns[i], "input " + column.substr(scopePath_.size() + 1), colour});
            const std::size_t before =
                previous_ ? columnNamed(*previous_, column) : std::string::npos;
            if (before != std::string::npos)
                earlier.push_back({previous_, before, traces.back().name, colour});
        }
        plots_[port - 1]->setTraces(std::move(traces), std::move(earlier));
    }
}

void ScopeWindow::setRun(Results current, Results previous) {
    current_ = std::move(current);
    previous_ = std::move(previous);
    fillAxes();
}

void ScopeWindow::refresh() {
    for (PlotWidget* plot : plots_)
        plot->refresh();
}

void ScopeWindow::setStopTime(double seconds) {
    for (PlotWidget* plot : plots_)
        plot->setStopTime(seconds);
}

void ScopeWindow::autoscale() {
    for (PlotWidget* plot : plots_)
        plot->autoscale();
}

bool ScopeWindow::comparesWithLastRun() const {
    return compareAction_->isChecked();
}

void ScopeWindow::setComparesWithLastRun(bool compare) {
    compareAction_->setChecked(compare);
    for (PlotWidget* plot : plots_)
        plot->setPreviousRunShown(compare);
}

void ScopeWindow::shareTimeRange(const PlotWidget* source, double low, double high) {
    for (PlotWidget* plot : plots_) {
        if (plot != source)
            plot->setTimeRange({low, high});
    }
}

std::vector<const PlotWidget*> ScopeWindow::constPlots() const {
    return std::vector<const PlotWidget*>(plots_.begin(), plots_.end());
}

QSize ScopeWindow::pictureSize() const {
    if (isVisible() && !axes_->size().isEmpty())
        return axes_->size();
    return QSize(kPictureWidth, kPictureAxisHeight * std::max(1, axisCount()));
}

std::string ScopeWindow::exportCsv(const std::string& path) const {
    std::vector<std::size_t> columns;
    for (const PlotWidget* plot : plots_) {
        for (const PlotTrace& trace : plot->traces())
            columns.push_back(trace.column);
    }
    const VTSIM::SimulationResults empty({});
    const PlotRange time = plots_.empty() ? PlotRange{0, 0} : plots_.front()->timeRange();
    return ScopeExporter::writeCsv(path, current_ ? *current_ : empty, columns, time);
}

std::string ScopeWindow::exportPicture(const std::string& path) const {
    return ScopeExporter::writePicture(path, constPlots(), pictureSize(),
                                       QString::fromStdString(scopePath_));
}

QImage ScopeWindow::renderImage(const std::string& scopePath, int inputPorts, Results current,
                                Results previous, QSize size, double stopTime) {
    ScopeWindow window(scopePath, inputPorts, std::move(current), std::move(previous));
    window.setStopTime(stopTime);
    return ScopeExporter::image(window.constPlots(), size);
}

std::string ScopeWindow::defaultFileName(const char* suffix) const {
    std::string name = scopePath_;
    std::replace(name.begin(), name.end(), '/', '_');
    return name + suffix;
}

void ScopeWindow::askForCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Data"), QString::fromStdString(defaultFileName(".csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    report(exportCsv(path.toStdString()), tr("Data written to %1").arg(path));
}

void ScopeWindow::askForPicture() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Picture"), QString::fromStdString(defaultFileName(".png")),
        tr("Pictures (*.png *.svg)"));
    if (path.isEmpty())
        return;
    report(exportPicture(path.toStdString()), tr("Picture written to %1").arg(path));
}

void ScopeWindow::report(const std::string& error, const QString& done) {
    const QString message = error.empty() ? done : QString::fromStdString(error);
    status_->setText(message);
    Q_EMIT statusMessage(message);
}

}  // namespace VantorStudio
