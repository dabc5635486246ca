#include "harbor/StudioClipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>
#include <QThread>
#include <atomic>
#include <mutex>
#include <string>
#include <variant>

#include "parr/GLMimeData2.h"

namespace HARBOR {

namespace {

// Marks system clipboard content put there by this process, so that reading it back returns
// the snapshot itself instead of a decoded copy.
const QString kSerialFormat = QStringLiteral("application/x-harbor-clipboard-serial");
// Each item is one format: this prefix, the item's type ("int" or "string"), a dot, the key.
const QString kItemPrefix = QStringLiteral("application/x-harbor-item.");

struct ClipboardState {
    std::mutex mutex;
    PARR::Holder<const PARR::MimeData2> inProcess;
    PARR::Holder<const PARR::MimeData2> lastSystemSnapshot;
    QByteArray lastSystemSerial;
};

ClipboardState& state() {
    static ClipboardState* s = new ClipboardState();
    return *s;
}

void copyItems(const PARR::MimeData2& from, PARR::GLMimeData2& to) {
    for (const PARR::StringID& key : from.keys()) {
        if (const PARR::MimeValue* value = from.data(key))
            to.setData(key, *value);  // a key not registered here is dropped
    }
}

PARR::Holder<const PARR::MimeData2> snapshot(const PARR::MimeData2* base,
                                             const PARR::MimeData2& data) {
    PARR::Holder<PARR::GLMimeData2> copy(new PARR::GLMimeData2());
    if (base)
        copyItems(*base, *copy);
    copyItems(data, *copy);
    return copy;
}

QByteArray nextSerial() {
    static std::atomic<unsigned long long> counter{0};
    const std::string serial =
        std::to_string(QCoreApplication::applicationPid()) + ":" + std::to_string(++counter);
    return QByteArray::fromStdString(serial);
}

QMimeData* encode(const PARR::MimeData2& data, const QByteArray& serial) {
    auto* mime = new QMimeData();
    mime->setData(kSerialFormat, serial);
    for (const PARR::StringID& key : data.keys()) {
        const PARR::MimeValue* value = data.data(key);
        if (!value)
            continue;
        const QString format =
            kItemPrefix + QString::fromStdString(std::string(PARR::mimeValueTypeName(*value))) +
            QLatin1Char('.') + QString::fromStdString(key.str());
        if (const int* number = std::get_if<int>(value))
            mime->setData(format, QByteArray::number(*number));
        else
            mime->setData(format, QByteArray::fromStdString(std::get<std::string>(*value)));
    }
    return mime;
}

// One item format decoded into `to`; formats of others and malformed items are skipped.
void decodeItem(const QMimeData& mime, const QString& format, PARR::GLMimeData2& to) {
    const QString rest = format.mid(kItemPrefix.size());
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return;
    const QString type = rest.left(dot);
    const PARR::StringID key(rest.mid(dot + 1).toStdString());
    const QByteArray bytes = mime.data(format);
    if (type == QLatin1String("int")) {
        bool ok = false;
        const int number = bytes.toInt(&ok);
        if (ok)
            to.setData(key, number);
    } else if (type == QLatin1String("string")) {
        to.setData(key, bytes.toStdString());
    }
}

PARR::Holder<const PARR::MimeData2> decode(const QMimeData& mime) {
    PARR::Holder<PARR::GLMimeData2> data(new PARR::GLMimeData2());
    for (const QString& format : mime.formats()) {
        if (format.startsWith(kItemPrefix))
            decodeItem(mime, format, *data);
    }
    if (data->keys().empty())
        return {};
    return data;
}

PARR::Holder<const PARR::MimeData2> systemMimeData() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return {};
    ClipboardState& s = state();
    {
        std::lock_guard<std::mutex> guard(s.mutex);
        if (s.lastSystemSnapshot && mime->data(kSerialFormat) == s.lastSystemSerial)
            return s.lastSystemSnapshot->keys().empty() ? nullptr : s.lastSystemSnapshot;
    }
    return decode(*mime);
}

void setSystemMimeData(const PARR::MimeData2& data, bool merge) {
    const PARR::Holder<const PARR::MimeData2> base = merge ? systemMimeData() : nullptr;
    PARR::Holder<const PARR::MimeData2> copy = snapshot(base.get(), data);
    const QByteArray serial = nextSerial();
    QGuiApplication::clipboard()->setMimeData(encode(*copy, serial));
    ClipboardState& s = state();
    std::lock_guard<std::mutex> guard(s.mutex);
    s.lastSystemSnapshot = std::move(copy);
    s.lastSystemSerial = serial;
}

}  // namespace

bool StudioClipboard::usesSystemClipboard() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

void StudioClipboard::setMimeData(const PARR::MimeData2& data, bool merge) {
    if (usesSystemClipboard()) {
        setSystemMimeData(data, merge);
        return;
    }
    ClipboardState& s = state();
    std::lock_guard<std::mutex> guard(s.mutex);
    s.inProcess = snapshot(merge ? s.inProcess.get() : nullptr, data);
}

PARR::Holder<const PARR::MimeData2> StudioClipboard::mimeData() {
    if (usesSystemClipboard())
        return systemMimeData();
    ClipboardState& s = state();
    std::lock_guard<std::mutex> guard(s.mutex);
    if (s.inProcess && s.inProcess->keys().empty())
        return {};
    return s.inProcess;
}

void StudioClipboard::clear() {
    if (usesSystemClipboard()) {
        QGuiApplication::clipboard()->clear();
        ClipboardState& s = state();
        std::lock_guard<std::mutex> guard(s.mutex);
        s.lastSystemSnapshot.reset();
        s.lastSystemSerial.clear();
        return;
    }
    ClipboardState& s = state();
    std::lock_guard<std::mutex> guard(s.mutex);
    s.inProcess.reset();
}

}  // namespace HARBOR
