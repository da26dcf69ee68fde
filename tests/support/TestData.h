#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>

namespace markast::test {

// size bytes in which every value occurs and no short run repeats.
QByteArray patternedBytes(qsizetype size);
// The 256 byte values, 0 first.
QByteArray allByteValues();

// count copies of one byte as a .reg hex list, such as "41,41,41".
std::string hexList(std::size_t count, const std::string& byte);

// Writes bytes to path; the test cannot go on without it.
QString writeFile(const QString& path, const QByteArray& bytes);

// Runs check in a child process with an ordinary user's rights (nobody), so that what root
// may do anyway is refused; the child's exit code is the result.
int asOrdinaryUser(const std::function<int()>& check);

} // namespace markast::test
