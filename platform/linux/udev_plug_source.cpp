#include "platform/linux/udev_plug_source.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <dlfcn.h>
#include <libudev.h>

#include <type_traits>

namespace kx {

namespace {

constexpr char kLibrary[] = "libudev.so.1";
// udevd's control socket: without the daemon the monitor would never hear of anything.
constexpr char kDaemonSocket[] = "/run/udev/control";
constexpr char kSubsystem[] = "tty";

} // namespace

// The few libudev calls used, looked up once in the library loaded at the first start.
struct UdevPlugSource::Api {
    void* library = nullptr;
#define KX_UDEV_CALL(name) decltype(&::name) name = nullptr
    KX_UDEV_CALL(udev_new);
    KX_UDEV_CALL(udev_unref);
    KX_UDEV_CALL(udev_monitor_new_from_netlink);
    KX_UDEV_CALL(udev_monitor_filter_add_match_subsystem_devtype);
    KX_UDEV_CALL(udev_monitor_enable_receiving);
    KX_UDEV_CALL(udev_monitor_get_fd);
    KX_UDEV_CALL(udev_monitor_receive_device);
    KX_UDEV_CALL(udev_monitor_unref);
    KX_UDEV_CALL(udev_enumerate_new);
    KX_UDEV_CALL(udev_enumerate_add_match_subsystem);
    KX_UDEV_CALL(udev_enumerate_scan_devices);
    KX_UDEV_CALL(udev_enumerate_get_list_entry);
    KX_UDEV_CALL(udev_enumerate_unref);
    KX_UDEV_CALL(udev_list_entry_get_next);
    KX_UDEV_CALL(udev_list_entry_get_name);
    KX_UDEV_CALL(udev_device_new_from_syspath);
    KX_UDEV_CALL(udev_device_get_action);
    KX_UDEV_CALL(udev_device_get_syspath);
    KX_UDEV_CALL(udev_device_get_devnode);
    KX_UDEV_CALL(udev_device_get_property_value);
    KX_UDEV_CALL(udev_device_get_parent_with_subsystem_devtype);
    KX_UDEV_CALL(udev_device_get_sysattr_value);
    KX_UDEV_CALL(udev_device_unref);
#undef KX_UDEV_CALL

    // Null when the library or one of its calls is missing.
    static const Api* get() {
        static const Api api = load();
        return api.library ? &api : nullptr;
    }

private:
    static Api load() {
        Api api;
        void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return api;
        bool complete = true;
        auto find = [&](auto& call, const char* name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(dlsym(library, name));
            complete = complete && call;
        };
#define KX_UDEV_FIND(name) find(api.name, #name)
        KX_UDEV_FIND(udev_new);
        KX_UDEV_FIND(udev_unref);
        KX_UDEV_FIND(udev_monitor_new_from_netlink);
        KX_UDEV_FIND(udev_monitor_filter_add_match_subsystem_devtype);
        KX_UDEV_FIND(udev_monitor_enable_receiving);
        KX_UDEV_FIND(udev_monitor_get_fd);
        KX_UDEV_FIND(udev_monitor_receive_device);
        KX_UDEV_FIND(udev_monitor_unref);
        KX_UDEV_FIND(udev_enumerate_new);
        KX_UDEV_FIND(udev_enumerate_add_match_subsystem);
        KX_UDEV_FIND(udev_enumerate_scan_devices);
        KX_UDEV_FIND(udev_enumerate_get_list_entry);
        KX_UDEV_FIND(udev_enumerate_unref);
        KX_UDEV_FIND(udev_list_entry_get_next);
        KX_UDEV_FIND(udev_list_entry_get_name);
        KX_UDEV_FIND(udev_device_new_from_syspath);
        KX_UDEV_FIND(udev_device_get_action);
        KX_UDEV_FIND(udev_device_get_syspath);
        KX_UDEV_FIND(udev_device_get_devnode);
        KX_UDEV_FIND(udev_device_get_property_value);
        KX_UDEV_FIND(udev_device_get_parent_with_subsystem_devtype);
        KX_UDEV_FIND(udev_device_get_sysattr_value);
        KX_UDEV_FIND(udev_device_unref);
#undef KX_UDEV_FIND
        if (!complete) {
            dlclose(library);
            return Api{};
        }
        api.library = library; // kept for the rest of the run
        return api;
    }
};

struct UdevPlugSource::Handles {
    const Api* api = nullptr;
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    ~Handles() {
        if (monitor)
            api->udev_monitor_unref(monitor);
        if (context)
            api->udev_unref(context);
    }
};

namespace {

// A tty device as a plug event. The identity comes from udev's database (ID_*), or, for a
// device that udev's rules did not describe, from the USB device above it.
PlugDevice describe(const auto* api, udev_device* device) {
    PlugDevice plugged;
    plugged.key = QString::fromLocal8Bit(api->udev_device_get_syspath(device));
    plugged.devnode = QString::fromLocal8Bit(api->udev_device_get_devnode(device));
    auto property = [&](const char* name) {
        return QByteArray(api->udev_device_get_property_value(device, name));
    };
    QByteArray vendor = property("ID_VENDOR_ID");
    QByteArray product = property("ID_MODEL_ID");
    QByteArray serial = property("ID_SERIAL_SHORT");
    if (vendor.isEmpty()) {
        // The parent belongs to the device and is freed with it.
        udev_device* usb =
            api->udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
        if (usb) {
            vendor = api->udev_device_get_sysattr_value(usb, "idVendor");
            product = api->udev_device_get_sysattr_value(usb, "idProduct");
            serial = api->udev_device_get_sysattr_value(usb, "serial");
        }
    }
    plugged.vendor = vendor.toUShort(nullptr, 16);
    plugged.product = product.toUShort(nullptr, 16);
    plugged.serial = serial;
    return plugged;
}

} // namespace

UdevPlugSource::UdevPlugSource(QObject* parent) : PlugSource(parent) {}

UdevPlugSource::~UdevPlugSource() = default;

bool UdevPlugSource::available() {
    return daemon_running() && Api::get();
}

bool UdevPlugSource::daemon_running() {
    return QFileInfo::exists(QLatin1String(kDaemonSocket));
}

QList<PlugDevice> UdevPlugSource::start(bool& ok) {
    ok = false;
    const Api* api = daemon_running() ? Api::get() : nullptr;
    if (!api)
        return {};
    auto handles = std::make_unique<Handles>();
    handles->api = api;
    handles->context = api->udev_new();
    if (!handles->context)
        return {};
    handles->monitor = api->udev_monitor_new_from_netlink(handles->context, "udev");
    if (!handles->monitor ||
        api->udev_monitor_filter_add_match_subsystem_devtype(handles->monitor, kSubsystem,
                                                             nullptr) < 0 ||
        api->udev_monitor_enable_receiving(handles->monitor) < 0)
        return {};
    const int fd = api->udev_monitor_get_fd(handles->monitor);
    if (fd < 0)
        return {};

    // Listen first, then list: a chip that arrives in between is reported twice at worst.
    QList<PlugDevice> present;
    if (udev_enumerate* enumerate = api->udev_enumerate_new(handles->context)) {
        api->udev_enumerate_add_match_subsystem(enumerate, kSubsystem);
        api->udev_enumerate_scan_devices(enumerate);
        for (udev_list_entry* entry = api->udev_enumerate_get_list_entry(enumerate); entry;
             entry = api->udev_list_entry_get_next(entry)) {
            udev_device* device = api->udev_device_new_from_syspath(
                handles->context, api->udev_list_entry_get_name(entry));
            if (!device)
                continue;
            const PlugDevice plugged = describe(api, device);
            if (plugged.vendor != 0)
                present << plugged;
            api->udev_device_unref(device);
        }
        api->udev_enumerate_unref(enumerate);
    }

    m_handles = std::move(handles);
    delete m_notifier;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevPlugSource::read_events);
    ok = true;
    return present;
}

void UdevPlugSource::read_events() {
    const Api* api = m_handles->api;
    // The socket is non-blocking: take every event that is there.
    while (udev_device* device = api->udev_monitor_receive_device(m_handles->monitor)) {
        const QByteArray action(api->udev_device_get_action(device));
        const PlugDevice plugged = describe(api, device);
        api->udev_device_unref(device);
        if (action == "add")
            emit added(plugged);
        else if (action == "remove")
            emit removed(plugged);
    }
}

} // namespace kx
