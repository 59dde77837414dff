#pragma once

#include "base/clock.h"
#include "link/serial_driver.h"

#include <QByteArray>
#include <QList>

#include <functional>

namespace kx {

// A SerialDriver that plays a script on an InstantClock: chips to list, statuses to fail
// with, and reply pieces that arrive at given times after each write. Waiting on it moves
// the clock to the next arrival, so time limits and quiet gaps run without real waiting.
class ScriptedSerialDriver : public SerialDriver {
public:
    struct Chip {
        QByteArray serial;      // as the list buffer holds it
        QByteArray description; // as the list buffer holds it
        int open_status = FT_OK;
        int serial_status = FT_OK;      // of the serial-number listing call
        int description_status = FT_OK; // of the description listing call
    };
    // One piece of a reply: its bytes arrive `after_ms` after the write that asked for it.
    struct Piece {
        qint64 after_ms = 0;
        QByteArray bytes;
    };

    explicit ScriptedSerialDriver(InstantClock& clock) : m_clock(clock) {}

    // --- script ---
    QList<Chip> chips;
    int count_status = FT_OK;
    int close_status = FT_OK;
    int read_status = FT_OK;
    int write_status = FT_OK;
    // Replies, one per write, in order; a write with none left gets no answer.
    QList<QList<Piece>> replies;
    // From this clock time on every call on the open chip fails with FT_IO_ERROR (unplugged).
    qint64 unplug_at_ms = -1;
    // Runs inside each wait, as a window event would during a real one.
    std::function<void()> during_wait;

    // Puts bytes straight into the receive queue.
    void queue_bytes(const QByteArray& bytes) { m_queue += bytes; }
    qsizetype queued() const { return m_queue.size(); }

    // --- record ---
    QList<QByteArray> writes;
    QList<QByteArray> opened_serials;
    QList<quint32> purges;
    int closes = 0;
    int queue_queries = 0;
    int waits = 0;
    quint32 baud = 0;
    quint8 word_length = 0, stop_bits = 0, parity = 0;
    FtHandle open_handle = 0;

    int device_count(quint32& count) override;
    int serial_number(quint32 index, QByteArray& text) override;
    int description(quint32 index, QByteArray& text) override;
    int open_by_serial(const QByteArray& serial, FtHandle& handle) override;
    int open_first(FtHandle& handle) override;
    int close(FtHandle handle) override;
    int queue_status(FtHandle handle, quint32& queued) override;
    int read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) override;
    int write(FtHandle handle, const char* buffer, quint32 count, quint32& bytes_written) override;
    int purge(FtHandle handle, quint32 mask) override;
    int reset(FtHandle handle) override;
    int set_baud_rate(FtHandle handle, quint32 baud) override;
    int set_data_characteristics(FtHandle handle, quint8 word_length, quint8 stop_bits,
                                 quint8 parity) override;
    int set_timeouts(FtHandle handle, quint32 read_ms, quint32 write_ms) override;
    Task<> wait_for_data(FtHandle handle, int timeout_ms) override;

private:
    struct Pending {
        qint64 at_ms;
        QByteArray bytes;
    };
    int check(FtHandle handle) const;
    void deliver();

    InstantClock& m_clock;
    QByteArray m_queue;
    QList<Pending> m_pending;
    FtHandle m_next_handle = 0x1234;
};

} // namespace kx
