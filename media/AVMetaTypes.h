#pragma once
// FFmpeg objects that travel through queued signals as pointers.

#include <QMetaType>

struct AVFrame;
struct AVPacket;

Q_DECLARE_OPAQUE_POINTER(AVPacket*)
Q_DECLARE_METATYPE(AVPacket*)
Q_DECLARE_OPAQUE_POINTER(AVFrame*)
Q_DECLARE_METATYPE(AVFrame*)
