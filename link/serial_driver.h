#pragma once

#include "base/task.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

namespace kx {

// Driver statuses, numbered as the chip vendor's D2XX interface numbers them.
enum FtStatus : int {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_INVALID_BAUD_RATE = 7,
    FT_DEVICE_NOT_OPENED_FOR_ERASE = 8,
    FT_DEVICE_NOT_OPENED_FOR_WRITE = 9,
    FT_FAILED_TO_WRITE_DEVICE = 10,
    FT_EEPROM_READ_FAILED = 11,
    FT_EEPROM_WRITE_FAILED = 12,
    FT_EEPROM_ERASE_FAILED = 13,
    FT_EEPROM_NOT_PRESENT = 14,
    FT_EEPROM_NOT_PROGRAMMED = 15,
    FT_INVALID_ARGS = 16,
    FT_OTHER_ERROR = 17,
};

// Purge masks of the D2XX interface.
inline constexpr quint32 FT_PURGE_RX = 1;
inline constexpr quint32 FT_PURGE_TX = 2;

// The description the pedal's chip keeps from its maker's factory programming.
inline constexpr char kChipFactoryDescription[] = "FT230X Basic UART";
// The longest serial number the open call passes on; longer ones are cut.
inline constexpr int kOpenSerialMaxChars = 49;
// Size of the driver's list buffers for serial numbers and descriptions.
inline constexpr int kListTextMaxChars = 64;

// Handle of an open chip; 0 means none.
using FtHandle = quint32;

// The driver calls behind D2XXUnit. Each returns a driver status (FT_OK on success).
// Implementations know nothing of the pedal's messages nor of message boxes.
class SerialDriver {
public:
    virtual ~SerialDriver() = default;

    // Listing works without an open chip. Texts are written to `text` (at most 64 bytes,
    // NUL-terminated when shorter, as the D2XX list buffers are).
    virtual int device_count(quint32& count) = 0;
    virtual int serial_number(quint32 index, QByteArray& text) = 0;
    virtual int description(quint32 index, QByteArray& text) = 0;

    virtual int open_by_serial(const QByteArray& serial, FtHandle& handle) = 0;
    virtual int open_first(FtHandle& handle) = 0;
    virtual int close(FtHandle handle) = 0;

    virtual int queue_status(FtHandle handle, quint32& queued) = 0;
    virtual int read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) = 0;
    // Hands the bytes to the system without waiting; what it cannot take at once stays
    // queued and leaves as the event loop runs (see wait_written).
    virtual int write(FtHandle handle, const char* buffer, quint32 count,
                      quint32& bytes_written) = 0;
    virtual int purge(FtHandle handle, quint32 mask) = 0;
    virtual int reset(FtHandle handle) = 0;
    virtual int set_baud_rate(FtHandle handle, quint32 baud) = 0;
    virtual int set_data_characteristics(FtHandle handle, quint8 word_length, quint8 stop_bits,
                                         quint8 parity) = 0;
    virtual int set_timeouts(FtHandle handle, quint32 read_ms, quint32 write_ms) = 0;

    // Not a D2XX call: resumes after at most `timeout_ms`, or once received bytes may have
    // arrived, so that a wait for the pedal need not spin a core. It never blocks the thread:
    // the event loop runs meanwhile.
    virtual Task<> wait_for_data(FtHandle handle, int timeout_ms) = 0;

    // The chip's latency timer: how long it holds received bytes that do not fill a USB packet
    // before it sends them to the host (16 ms from the factory). A driver that cannot set it
    // answers FT_OTHER_ERROR and the chip keeps its own.
    virtual int set_latency_timer(FtHandle /*handle*/, quint8 /*ms*/) { return FT_OTHER_ERROR; }
    virtual int latency_timer(FtHandle /*handle*/, quint8& /*ms*/) { return FT_OTHER_ERROR; }
    // Not a D2XX call: resumes once every byte handed to write() is with the system, or the
    // write's time limit has passed (FT_IO_ERROR then, and the bytes not taken are dropped).
    // A driver's write() never waits; the event loop runs meanwhile.
    virtual Task<int> wait_written(FtHandle /*handle*/) { co_return FT_OK; }
    // Not a D2XX call: resumes once the bytes written have left the host for the chip, or
    // `timeout_ms` has passed (FT_IO_ERROR then).
    virtual Task<int> wait_until_sent(FtHandle /*handle*/, int /*timeout_ms*/) { co_return FT_OK; }
    // Not a D2XX call: why chips were left out of the listings since the last call, one text
    // each. The driver shows nothing itself; taking them clears them.
    virtual QStringList take_problems() { return {}; }
};

} // namespace kx
