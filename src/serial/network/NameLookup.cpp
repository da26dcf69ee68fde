#include "serial/network/NameLookup.h"

#include <mutex>
#include <thread>

namespace markast {

struct NameLookup::Shared {
    std::mutex mutex;
    std::optional<QHostInfo> result;
};

NameLookup::NameLookup(const QString& name) : shared_(std::make_shared<Shared>()) {
    // The thread holds the shared state, so an answer after the waiter gave up lands there.
    std::thread([shared = shared_, name] {
        QHostInfo found = QHostInfo::fromName(name);
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(found);
    }).detach();
}

std::optional<QHostInfo> NameLookup::result() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->result;
}

} // namespace markast
