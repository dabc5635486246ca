#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "PlotWidget.h"
#include "sim/SimulationResults.h"

class QAction;
class QLabel;

namespace VantorStudio {

// The window of one Scope block: one plot ("axis") per input port, stacked from the first port
// down, sharing one time axis (zooming or panning one moves them all), under a tool bar with
// Autoscale, Export Data..., Export Picture... and "Compare with last run" (on at first: the
// previous run's traces are drawn faded under the current ones). The title is the block's full
// path.
//
// The traces are the columns a run logs for the block: `PATH:k` for a scalar input k (from 1)
// and `PATH:k[i]` for element i of a vector input, PATH the block's full path; each element is
// a trace of its port's axis, in the results' column order, named "input k" or "input k[i]" in
// the legend. Columns that are not there give no trace, and no results at all give empty axes.
//
// The window keeps the runs' results alive. refresh() reads what the run logged since and
// repaints (the owner calls it from a timer while a run goes). Export errors are shown in the
// window's status line and sent out as statusMessage. User-interface thread only.
class ScopeWindow : public QWidget {
    Q_OBJECT

public:
    using Results = std::shared_ptr<const VTSIM::SimulationResults>;

    // The size of an exported picture when the window has not been laid out: per axis.
    static constexpr int kPictureWidth = 800;
    static constexpr int kPictureAxisHeight = 260;

    // `previous`: the run before (may be null).
    ScopeWindow(std::string scopePath, int inputPorts, Results current, Results previous,
                QWidget* parent = nullptr);
    ~ScopeWindow() override;

    const std::string& scopePath() const { return scopePath_; }
    // A new run: the traces come from `current`, the faded ones from `previous` (may be null).
    // The axes keep the ranges the user chose; autoscaled ones follow the new run.
    void setRun(Results current, Results previous);
    void refresh();
    // The run's stop time in seconds (NaN: unknown), for the time axis to show from the start.
    void setStopTime(double seconds);

    int axisCount() const { return int(plots_.size()); }
    PlotWidget* axis(int index) const { return plots_.at(index); }
    void autoscale();
    bool comparesWithLastRun() const;
    void setComparesWithLastRun(bool compare);

    // Write the data shown (the current run's samples in the shown time range, every trace of
    // every axis) as CSV, or the plots as a picture (PNG or SVG by the suffix) of the size they
    // have on the screen. Return an empty string on success, else a message naming the file.
    std::string exportCsv(const std::string& path) const;
    std::string exportPicture(const std::string& path) const;

    // The columns of `results` logged for input `port` (from 1) of the Scope at `scopePath`, in
    // the results' order; empty when there are none.
    static std::vector<std::size_t> columnsOfInput(const VTSIM::SimulationResults& results,
                                                   const std::string& scopePath, int port);
    // The plots of a scope drawn into an image of `size` without showing a window, both axes
    // autoscaled (stopTime as for setStopTime).
    static QImage renderImage(const std::string& scopePath, int inputPorts, Results current,
                              Results previous, QSize size, double stopTime = 0);

    // The fixed colours of an axis's traces, in order (they repeat beyond the last).
    static const std::vector<QColor>& palette();

Q_SIGNALS:
    // A message for the user (an export written, or why it failed).
    void statusMessage(const QString& message);

private:
    void buildToolBar();
    void buildAxes(int inputPorts);
    void fillAxes();
    void shareTimeRange(const PlotWidget* source, double low, double high);
    void askForCsv();
    void askForPicture();
    void report(const std::string& error, const QString& done);
    std::vector<const PlotWidget*> constPlots() const;
    QSize pictureSize() const;
    std::string defaultFileName(const char* suffix) const;

    std::string scopePath_;
    Results current_;
    Results previous_;
    std::vector<PlotWidget*> plots_;
    QAction* compareAction_ = nullptr;
    QLabel* status_ = nullptr;
    QWidget* axes_ = nullptr;
};

}  // namespace VantorStudio
