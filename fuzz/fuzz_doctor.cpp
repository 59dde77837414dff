// The Connection Doctor reads what the system says: the user and group files, udev rules, the
// USB devices' attributes and uevent files, and the processes' command lines. Whatever those
// hold, the doctor must come back with findings in words and a report, never fail or hang.
//
// The input is cut at each "\n--\n" into the files of one small system tree, in this order:
// passwd, group, a udev rule, the chip's idVendor, idProduct, serial, product, busnum, devnum,
// its interface's uevent, and a process's comm and cmdline. Missing pieces leave the file out.

#include "fuzz/fuzz_check.h"
#include "platform/diagnosis.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstddef>
#include <cstdint>

namespace {

using namespace kx::doctor;

const char* const kFiles[] = {
    "etc/passwd",
    "etc/group",
    "rules/99-chip.rules",
    "sys/bus/usb/devices/1-1/idVendor",
    "sys/bus/usb/devices/1-1/idProduct",
    "sys/bus/usb/devices/1-1/serial",
    "sys/bus/usb/devices/1-1/product",
    "sys/bus/usb/devices/1-1/busnum",
    "sys/bus/usb/devices/1-1/devnum",
    "sys/bus/usb/devices/1-1/1-1:1.0/uevent",
    "proc/4242/comm",
    "proc/4242/cmdline",
};

struct Tree {
    QTemporaryDir dir;
    QString root;

    Tree() : root(dir.path()) {
        for (const char* folder :
             {"etc", "rules", "sys/bus/usb/drivers/ftdi_sio",
              "sys/bus/usb/devices/1-1/1-1:1.0/ttyUSB0", "proc/4242/fd"})
            QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder));
        // The process holds the chip's port open.
        const QByteArray link = QFile::encodeName(root + QStringLiteral("/proc/4242/fd/3"));
        [[maybe_unused]] const int linked = ::symlink("/dev/ttyUSB0", link.constData());
    }

    void write(const char* relative, const QByteArray& bytes) const {
        QFile file(root + QLatin1Char('/') + QLatin1String(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }
    void remove(const char* relative) const {
        QFile::remove(root + QLatin1Char('/') + QLatin1String(relative));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Only the Linux build's doctor reads these trees; the portable one asks Qt.
    if (!kx::platform::has_linux_parts())
        return 0;
    static const Tree tree;
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> pieces;
    for (qsizetype from = 0; from <= input.size();) {
        qsizetype at = input.indexOf("\n--\n", from);
        if (at < 0)
            at = input.size();
        pieces << input.mid(from, at - from);
        from = at + 4;
    }
    int i = 0;
    for (const char* file : kFiles) {
        if (i < pieces.size())
            tree.write(file, pieces.at(i));
        else
            tree.remove(file);
        ++i;
    }

    DoctorSources sources;
    sources.sys_root = tree.root + QStringLiteral("/sys");
    sources.proc_root = tree.root + QStringLiteral("/proc");
    sources.etc_root = tree.root + QStringLiteral("/etc");
    sources.rule_dirs = {tree.root + QStringLiteral("/rules")};
    sources.identity = {1000, QStringLiteral("alice"), {1000}, false};
    sources.own_pid = 1;
    sources.probe = [](const QString& path) {
        NodeFacts facts;
        facts.canonical = path;
        facts.exists = path == QLatin1String("/dev/ttyUSB0");
        facts.char_device = facts.exists;
        facts.group = 20;
        facts.mode = 0660;
        return facts;
    };

    const Diagnosis diagnosis = diagnose(sources);
    KX_FUZZ_CHECK(!diagnosis.findings.isEmpty());
    for (const Finding& finding : diagnosis.findings) {
        KX_FUZZ_CHECK(!finding.subject.isEmpty());
        KX_FUZZ_CHECK(!finding.text.isEmpty());
    }
    // Nothing in the tree attaches a pedal that this user may open.
    KX_FUZZ_CHECK(!diagnosis.ready);
    KX_FUZZ_CHECK(!report_text(diagnosis).isEmpty());
    KX_FUZZ_CHECK(!diagnosis.summary().isEmpty());
    return 0;
}
