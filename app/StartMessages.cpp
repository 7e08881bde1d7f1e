#include "app/StartMessages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tirnel {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

struct Holding {
    QtMessageHandler before = nullptr;
    std::vector<HeldMessage> messages;
    bool active = false;
};

Holding& Held() {
    static Holding holding;
    return holding;
}

// Qt's words when no platform plugin could be started.
bool IsPlatformFailure(QtMsgType type, const QString& text) {
    return type == QtFatalMsg && text.contains(QLatin1String("platform plugin"));
}

// The handler before goes back in and gets the held messages.
void Release() {
    Held().active = false;
    qInstallMessageHandler(Held().before);
    for (const HeldMessage& held : Held().messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        Held().before(held.type, context, held.text);
    }
    Held().messages.clear();
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (IsPlatformFailure(type, text)) {
        std::fputs(kNoDesktop, stderr);
        std::fflush(stderr);
        // Nothing half made is left to tidy up: the application never started.
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        // Any other fatal message ends the program as Qt would, after what led to it.
        Release();
        Held().before(type, context, text);
        return;
    }
    Held().messages.push_back({type, QByteArray(context.category ? context.category : ""), text});
}

}  // namespace

StartMessages::StartMessages() {
    Held().messages.clear();
    Held().before = qInstallMessageHandler(Hold);
    Held().active = true;
}

StartMessages::~StartMessages() { Started(); }

void StartMessages::Started() {
    if (Held().active) Release();
}

}  // namespace tirnel
