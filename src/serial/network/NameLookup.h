#pragma once

#include <QHostInfo>
#include <QString>

#include <memory>
#include <optional>

namespace markast {

// A host name looked up on a thread of its own that nobody waits for: the system's lookup
// cannot be cancelled, and may take far longer than the connection may, so whoever waits for
// it gives up at its own time, and a program that ends meanwhile does not wait for it.
// Qt's own lookup keeps a thread that the program's end waits for.
class NameLookup {
public:
    explicit NameLookup(const QString& name);

    // What the lookup found, once it has returned.
    std::optional<QHostInfo> result() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace markast
