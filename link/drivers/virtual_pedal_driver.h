#pragma once

#include "link/pedal_drivers.h"
#include "link/serial_driver.h"
#include "sim/virtual_pedal.h"

#include <memory>

namespace kx {

// The chip of the in-process virtual pedal, as the driver lists it (its serial number is
// kVirtualPedalSerial).
inline constexpr const char* kVirtualPedalDescription = kChipFactoryDescription;

// A serial driver with one chip attached: the virtual pedal, on the steady clock. Like the real
// chip it opens at 9600 baud; only at 115200 8N1 do the pedal and the host understand each
// other. Pulling the cable (unplug, or the pedal's injected fault) makes every call on the open
// handle fail with FT_IO_ERROR until it is closed; a new open needs the cable back (replug).
class VirtualPedalDriver : public SerialDriver {
public:
    explicit VirtualPedalDriver(
        std::shared_ptr<sim::VirtualPedal> pedal = std::make_shared<sim::VirtualPedal>());

    sim::VirtualPedal& pedal() { return *m_pedal; }
    std::shared_ptr<sim::VirtualPedal> shared_pedal() const { return m_pedal; }
    // The pedal's time now, in microseconds of the steady clock.
    static qint64 now_us();

    void unplug();
    void replug();

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
    // The pedal's chip takes the timer it is given; bytes are out once the pedal has them all.
    int set_latency_timer(FtHandle handle, quint8 ms) override;
    int latency_timer(FtHandle handle, quint8& ms) override;
    Task<int> wait_written(FtHandle handle) override;
    Task<int> wait_until_sent(FtHandle handle, int timeout_ms) override;

private:
    // FT_OK for the open, live handle; otherwise the status every call on it returns.
    int check(FtHandle handle) const;
    bool line_matches() const;
    // Moves what the chip has delivered into the host's queue; with the wrong line settings
    // the host cannot make sense of it, so it is lost.
    void collect();

    std::shared_ptr<sim::VirtualPedal> m_pedal;
    FtHandle m_handle = 0; // open handle, 0 when closed
    FtHandle m_next_handle = 0x1001;
    int m_unplug_count_at_open = 0;
    QByteArray m_received; // the host driver's receive queue
    quint32 m_baud = 0;
    quint8 m_word_length = 0;
    quint8 m_stop_bits = 0;
    quint8 m_parity = 0;
};

} // namespace kx
