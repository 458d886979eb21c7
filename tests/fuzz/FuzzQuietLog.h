#pragma once
// Malformed input is the fuzzer's whole diet; its log lines would only slow it down.

#include <QtGlobal>

inline void fuzzSilenceLog()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}
