#include "link/drivers/module_serial_driver.h"

#include "base/loadable_module.h"
#include "base/translation.h"

namespace kx {

ModuleSerialDriver::ModuleSerialDriver(QStringList port_paths, const char* module)
    : m_port_paths(std::move(port_paths)), m_module(module) {}

ModuleSerialDriver::~ModuleSerialDriver() = default;

SerialDriver* ModuleSerialDriver::driver() {
    if (m_driver || m_load_failed)
        return m_driver.get();
    const Result<void*> make = resolve_module_function(m_module, kMakeSerialDriver);
    if (make)
        m_driver.reset(reinterpret_cast<MakeSerialDriver>(*make)(m_port_paths));
    if (!m_driver) {
        m_load_failed = true;
        m_load_error = ui_text("Link", kSerialModuleMissing).arg(make.error());
    }
    return m_driver.get();
}

int ModuleSerialDriver::device_count(quint32& count) {
    count = 0;
    if (!m_driver) {
        // The device tree answers without the driver; where there is none, only Qt can.
        if (auto in_tree = chips_in_device_tree()) {
            m_problems.clear(); // only the newest listing counts
            m_entries = std::move(*in_tree);
            m_entries += chips_given_by_path(m_port_paths, m_problems);
            count = quint32(m_entries.size());
            return FT_OK;
        }
    }
    SerialDriver* loaded = driver();
    if (!loaded) {
        // The ports are still named, so that the user sees the pedal and reads why it cannot
        // be opened.
        m_problems.clear();
        m_entries = chips_given_by_path(m_port_paths, m_problems);
        count = quint32(m_entries.size());
        return FT_OK;
    }
    m_problems.clear(); // the driver lists from now on, and keeps its own
    return loaded->device_count(count);
}

int ModuleSerialDriver::serial_number(quint32 index, QByteArray& text) {
    if (m_driver)
        return m_driver->serial_number(index, text);
    return listed_text(index, &ChipEntry::serial, text);
}

int ModuleSerialDriver::description(quint32 index, QByteArray& text) {
    if (m_driver)
        return m_driver->description(index, text);
    return listed_text(index, &ChipEntry::description, text);
}

int ModuleSerialDriver::listed_text(quint32 index, QByteArray ChipEntry::*field,
                                    QByteArray& text) const {
    if (index >= quint32(m_entries.size()))
        return FT_DEVICE_NOT_FOUND;
    text = list_buffer(m_entries[index].*field);
    return FT_OK;
}

int ModuleSerialDriver::open_by_serial(const QByteArray& serial, FtHandle& handle) {
    if (SerialDriver* loaded = driver())
        return loaded->open_by_serial(serial, handle);
    m_module_problem = m_load_error; // each open that fails says why
    return FT_DEVICE_NOT_OPENED;
}

int ModuleSerialDriver::open_first(FtHandle& handle) {
    if (SerialDriver* loaded = driver())
        return loaded->open_first(handle);
    m_module_problem = m_load_error;
    return FT_DEVICE_NOT_OPENED;
}

// Handles only come from the loaded driver: without it, there is none to be valid.
int ModuleSerialDriver::close(FtHandle handle) {
    return m_driver ? m_driver->close(handle) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::queue_status(FtHandle handle, quint32& queued) {
    return m_driver ? m_driver->queue_status(handle, queued) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) {
    bytes_read = 0;
    return m_driver ? m_driver->read(handle, buffer, count, bytes_read) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::write(FtHandle handle, const char* buffer, quint32 count,
                              quint32& bytes_written) {
    bytes_written = 0;
    return m_driver ? m_driver->write(handle, buffer, count, bytes_written) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::purge(FtHandle handle, quint32 mask) {
    return m_driver ? m_driver->purge(handle, mask) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::reset(FtHandle handle) {
    return m_driver ? m_driver->reset(handle) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::set_baud_rate(FtHandle handle, quint32 baud) {
    return m_driver ? m_driver->set_baud_rate(handle, baud) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::set_data_characteristics(FtHandle handle, quint8 word_length,
                                                 quint8 stop_bits, quint8 parity) {
    return m_driver ? m_driver->set_data_characteristics(handle, word_length, stop_bits, parity)
                    : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::set_timeouts(FtHandle handle, quint32 read_ms, quint32 write_ms) {
    return m_driver ? m_driver->set_timeouts(handle, read_ms, write_ms) : FT_INVALID_HANDLE;
}

Task<> ModuleSerialDriver::wait_for_data(FtHandle handle, int timeout_ms) {
    if (m_driver)
        co_await m_driver->wait_for_data(handle, timeout_ms);
}

int ModuleSerialDriver::set_latency_timer(FtHandle handle, quint8 ms) {
    return m_driver ? m_driver->set_latency_timer(handle, ms) : FT_INVALID_HANDLE;
}

int ModuleSerialDriver::latency_timer(FtHandle handle, quint8& ms) {
    return m_driver ? m_driver->latency_timer(handle, ms) : FT_INVALID_HANDLE;
}

Task<int> ModuleSerialDriver::wait_written(FtHandle handle) {
    if (!m_driver)
        co_return FT_INVALID_HANDLE;
    const int status = co_await m_driver->wait_written(handle);
    co_return status;
}

Task<int> ModuleSerialDriver::wait_until_sent(FtHandle handle, int timeout_ms) {
    if (!m_driver)
        co_return FT_INVALID_HANDLE;
    const int status = co_await m_driver->wait_until_sent(handle, timeout_ms);
    co_return status;
}

QStringList ModuleSerialDriver::take_problems() {
    QStringList problems = std::exchange(m_problems, {});
    if (!m_module_problem.isEmpty())
        problems << std::exchange(m_module_problem, {});
    if (m_driver)
        problems += m_driver->take_problems();
    return problems;
}

} // namespace kx
