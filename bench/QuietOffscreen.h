// Drops the one warning Qt's offscreen platform prints each time a window is shown, so that
// the benchmark's output stays its figures; every other message still reaches Qt's handler.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QtGlobal>

namespace bench {

inline QtMessageHandler qtHandler = nullptr;

inline void DropSizeHintsWarning(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message) {
    if (type == QtWarningMsg &&
        message == QLatin1StringView("This plugin does not support propagateSizeHints()"))
        return;
    qtHandler(type, context, message);
}

// Call once at the start of main, before any window is shown.
inline void QuietOffscreenPlatform() { qtHandler = qInstallMessageHandler(DropSizeHintsWarning); }

} // namespace bench
