#include "platform/forms/ApplicationServices.h"

#include <QtGlobal>

namespace dorvak {
namespace {

ApplicationServices* theApplication = nullptr;

} // namespace

ApplicationServices::ApplicationServices() {
    Q_ASSERT(!theApplication);
    theApplication = this;
}

ApplicationServices::~ApplicationServices() {
    theApplication = nullptr;
}

ApplicationServices* ApplicationServices::instance() {
    return theApplication;
}

} // namespace dorvak
