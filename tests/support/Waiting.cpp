#include "tests/support/Waiting.h"

#include <QTest>

namespace dorvak {

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    return QTest::qWaitFor(condition, milliseconds);
}

} // namespace dorvak
