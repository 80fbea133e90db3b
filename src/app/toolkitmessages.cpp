#include "app/toolkitmessages.h"

#include <QString>
#include <QtGlobal>

#include <atomic>

namespace {

QtMessageHandler previousHandler = nullptr;

bool expected(QtMsgType type, const QString &message)
{
    if (type != QtWarningMsg)
        return false;
    if (message == QLatin1String("Unknown property lineHeight"))
        return true;
    // "Could not parse stylesheet of object ColorButton(0x..., name = "...")"
    static const QLatin1String parse("Could not parse stylesheet of object ");
    if (!message.startsWith(parse))
        return false;
    const QStringView object = QStringView(message).mid(parse.size());
    return object.startsWith(QLatin1String("ColorButton("))
        || (object.startsWith(QLatin1String("QLabel("))
            && object.endsWith(QLatin1String("name = \"referenceLabel\")")));
}

void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (expected(type, message))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

} // namespace

void dropExpectedToolkitWarnings()
{
    static std::atomic_bool installed{false};
    if (installed.exchange(true))
        return;
    previousHandler = qInstallMessageHandler(filter);
}
