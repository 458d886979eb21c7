#include "usbdriver/CUsbScanLog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

const char* orNull(const char* s)
{
    return s ? s : "(null)";
}

FILE* openList(const QString& folder)
{
    const QString path = folder + QStringLiteral("/orvane_list.log");
    const QByteArray name = QFile::encodeName(path);
    if (QFileInfo(path).size() > CUsbScanLog::kRotateBytes) {
        QFile::remove(folder + QStringLiteral("/orvane_list_bak.log"));
        if (!QFile::copy(path, folder + QStringLiteral("/orvane_list_bak.log")))
            qWarning("USB scan log %s could not be kept as a backup", name.constData());
        return std::fopen(name.constData(), "wb");
    }
    return std::fopen(name.constData(), "a+");
}

} // namespace

CUsbScanLog::CUsbScanLog(const QString& folder)
{
    m_list = openList(folder);
    m_chosen = std::fopen(QFile::encodeName(folder + QStringLiteral("/orvane.log")).constData(), "a+");
}

CUsbScanLog::~CUsbScanLog()
{
    if (m_list)
        std::fclose(m_list);
    if (m_chosen)
        std::fclose(m_chosen);
}

QByteArray CUsbScanLog::line(const char* lead, const wdi_device_info& d)
{
    char buf[4096];
    std::snprintf(buf, sizeof buf,
        "%s info->pid = %04x info->vid = %04x info->mi=%d info->is_composite=%d info->desc=%s info->driver=%s "
        "info->device_id = %s info->hardware_id=%s info->device_desc = %s , info->mfg = %s vendor_name=%s\n",
        lead, d.pid, d.vid, d.mi, d.is_composite, orNull(d.desc), orNull(d.driver), orNull(d.device_id),
        orNull(d.hardware_id), orNull(d.device_desc), orNull(d.mfg), wdi_get_vendor_name(d.vid));
    return QByteArray(buf);
}

void CUsbScanLog::write(FILE* file, const char* tag, const wdi_device_info& d)
{
    if (!file)
        return;
    QByteArray lead = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    if (tag)
        lead += ' ' + QByteArray(tag);
    const QByteArray text = line(lead.constData(), d);
    std::fwrite(text.constData(), 1, size_t(text.size()), file);
}

void CUsbScanLog::listed(const wdi_device_info& d)
{
    write(m_list, nullptr, d);
}

void CUsbScanLog::chosen(const char* tag, const wdi_device_info& d)
{
    write(m_chosen, tag, d);
}

void CUsbScanLog::close(bool anyChosen)
{
    if (m_list) {
        std::fputc('\n', m_list);
        std::fclose(m_list);
        m_list = nullptr;
    }
    if (m_chosen) {
        if (anyChosen)
            std::fputc('\n', m_chosen);
        std::fclose(m_chosen);
        m_chosen = nullptr;
    }
}
