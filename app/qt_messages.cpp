#include "app/qt_messages.h"

#include <QByteArrayView>
#include <QLoggingCategory>
#include <cstdio>

namespace {

QString& spokenLanguage() {
    static QString language;
    return language;
}

bool askedForQtMessages() {
    return !qEnvironmentVariableIsEmpty("QT_LOGGING_RULES") ||
           !qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN") ||
           !qEnvironmentVariableIsEmpty("QT_FATAL_WARNINGS");
}

QtMessageHandler& qtHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void filtered(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!QtMessages::passes(type, context.category, spokenLanguage(), askedForQtMessages())) {
        return;
    }
    if (qtHandler() != nullptr) {
        qtHandler()(type, context, text);
        return;
    }
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
}

}  // namespace

void QtMessages::keepFor(const QString& language) {
    spokenLanguage() = language;
    const QtMessageHandler previous = qInstallMessageHandler(filtered);
    if (previous != filtered) {
        qtHandler() = previous;
    }
}

bool QtMessages::passes(QtMsgType type, const char* category, const QString& language,
                        bool askedFor) {
    if (type == QtCriticalMsg || type == QtFatalMsg || askedFor || language == u"en") {
        return true;
    }
    // Only Qt's own categories: "default" (qWarning) and "qt.*".
    const QByteArrayView name(category != nullptr ? category : "default");
    return name != "default" && !name.startsWith("qt.");
}
