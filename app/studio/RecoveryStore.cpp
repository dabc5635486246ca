#include "RecoveryStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>

#include "vtquill/file/AtomicFileWriter.h"
#include "vtquill/file/ModelFileWriter.h"
#include "vtquill/file/PosixFileSystem.h"

namespace VantorStudio {

namespace {

constexpr const char* kState = ".vtm";
constexpr const char* kDescription = ".json";

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

RecoveryStore::RecoveryStore(std::string folder, qint64 pid)
    : folder_(std::move(folder)), pid_(pid) {}

std::string RecoveryStore::defaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath("vantor-studio/recovery").toStdString();
}

qint64 RecoveryStore::currentProcess() {
    return QCoreApplication::applicationPid();
}

std::string RecoveryStore::keyFor(const std::string& modelFile,
                                  const std::string& modelName) const {
    const std::string identity =
        modelFile.empty() ? "unsaved\n" + std::to_string(pid_) + "\n" + modelName
                          : "file\n" + QFileInfo(qt(modelFile)).absoluteFilePath().toStdString();
    return QCryptographicHash::hash(QByteArray::fromStdString(identity), QCryptographicHash::Sha1)
        .toHex()
        .toStdString();
}

std::string RecoveryStore::write(const std::string& key, const VTQUILL::Model& model,
                                 const std::string& modelFile) const {
    if (!QDir().mkpath(qt(folder_)))
        return folder_ + ": cannot make the folder of unsaved work";
    const QJsonObject description{
        {"modelFile", qt(modelFile)}, {"modelName", qt(model.getName())}, {"pid", pid_}};
    const std::string descriptionFile = pathOf(key, kDescription);
    const std::string error =
        VTQUILL::File::AtomicFileWriter(VTQUILL::File::PosixFileSystem::instance())
            .write(descriptionFile, QJsonDocument(description).toJson().toStdString());
    if (!error.empty())
        return descriptionFile + ": " + error;
    return VTQUILL::File::ModelFileWriter().save(model, pathOf(key, kState));
}

void RecoveryStore::remove(const std::string& key) const {
    // The state first: a description left alone is never offered.
    QFile::remove(qt(pathOf(key, kState)));
    QFile::remove(qt(pathOf(key, kDescription)));
}

std::vector<RecoveryRecord> RecoveryStore::pending() const {
    std::vector<RecoveryRecord> offers;
    const QStringList descriptions =
        QDir(qt(folder_)).entryList({QString("*") + kDescription}, QDir::Files, QDir::Name);
    for (const QString& name : descriptions) {
        const std::optional<RecoveryRecord> record =
            readRecord(QFileInfo(name).completeBaseName().toStdString());
        if (!record || isRunning(record->pid))
            continue;
        if (QFileInfo::exists(qt(record->stateFile)) && isNewerThanItsModel(*record))
            offers.push_back(*record);
        else
            remove(record->key);
    }
    return offers;
}

std::string RecoveryStore::pathOf(const std::string& key, const char* extension) const {
    return QDir(qt(folder_)).filePath(qt(key + extension)).toStdString();
}

std::optional<RecoveryRecord> RecoveryStore::readRecord(const std::string& key) const {
    QFile file(qt(pathOf(key, kDescription)));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject description = QJsonDocument::fromJson(file.readAll()).object();
    if (description.isEmpty())
        return std::nullopt;
    RecoveryRecord record;
    record.key = key;
    record.modelFile = description.value("modelFile").toString().toStdString();
    record.modelName = description.value("modelName").toString().toStdString();
    record.stateFile = pathOf(key, kState);
    record.pid = description.value("pid").toInteger();
    return record;
}

bool RecoveryStore::isNewerThanItsModel(const RecoveryRecord& record) {
    const QFileInfo model(qt(record.modelFile));
    if (record.modelFile.empty() || !model.exists())
        return true;
    return QFileInfo(qt(record.stateFile)).lastModified() > model.lastModified();
}

bool RecoveryStore::isRunning(qint64 pid) {
    // Signal 0 only asks whether the process exists; EPERM: it does, as another user's.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace VantorStudio
