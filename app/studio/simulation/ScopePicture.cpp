#include "simulation/ScopePicture.h"

#include <memory>
#include <stdexcept>

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "scope/ScopeWindow.h"
#include "sim/ModelCompiler.h"
#include "sim/Simulator.h"
#include "simulation/DiagnosticLocator.h"
#include "vtquill/file/ModelFileReader.h"

namespace VantorStudio {

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::shared_ptr<const VTSIM::SimulationResults> runOf(const VTQUILL::Model& model,
                                                      const VTSIM::ParameterOverrides& overrides,
                                                      double& stopTime) {
    const auto compiled = VTSIM::ModelCompiler(overrides).compile(model);
    auto results = std::make_shared<VTSIM::SimulationResults>(compiled->columnNames);
    const auto settings = VTSIM::SimulationSettings::fromTexts(model.getSimulationSettings());
    stopTime = settings.stopTime;
    VTSIM::Simulator(*compiled, settings, *results).run();
    return results;
}

}  // namespace

std::string ScopePicture::write(const std::string& modelFile, const std::string& scopePath,
                                const VTSIM::ParameterOverrides& compare,
                                const std::string& outputFile) {
    const bool svg = endsWith(outputFile, ".svg");
    if (!svg && !endsWith(outputFile, ".png"))
        return "the picture file must be a .png or .svg file: " + outputFile;
    VTQUILL::File::ModelFileReader::Result loaded =
        VTQUILL::File::ModelFileReader().load(modelFile);
    if (!loaded.ok())
        return modelFile + ": " + loaded.error->message();
    std::string error;
    try {
        const VTQUILL::Block scope = DiagnosticLocator::findBlock(loaded.model, scopePath);
        if (!scope.isValid() || scope.getType() != "Scope")
            throw std::runtime_error(modelFile + " has no Scope block " + scopePath);
        int ports = 0;
        for (const VTQUILL::Port& port : scope.getContained())
            ports += port.getType() == VTQUILL::kInPort ? 1 : 0;
        double stopTime = 0;
        const auto previous = compare.empty() ? nullptr : runOf(loaded.model, compare, stopTime);
        const auto current = runOf(loaded.model, {}, stopTime);
        const QSize size(kWidth, kAxisHeight * ports);
        const QImage image =
            ScopeWindow::renderImage(scopePath, ports, current, previous, size, stopTime);
        if (svg) {
            QSvgGenerator generator;
            generator.setFileName(QString::fromStdString(outputFile));
            generator.setSize(size);
            generator.setViewBox(QRect(QPoint(0, 0), size));
            QPainter painter(&generator);
            painter.drawImage(0, 0, image);
            if (!painter.end())
                throw std::runtime_error("cannot write " + outputFile);
        } else if (!image.save(QString::fromStdString(outputFile), "PNG")) {
            throw std::runtime_error("cannot write " + outputFile);
        }
    } catch (const std::exception& e) {
        error = e.what();
    }
    loaded.model.close();
    return error;
}

}  // namespace VantorStudio
