#pragma once

namespace JVX {

// Told by the host that its output source is about to be destroyed.
class IAboutToBeDestroyedNotificationReceiver {
public:
    virtual ~IAboutToBeDestroyedNotificationReceiver() = default;
    virtual void aboutToBeDestroyed() = 0;
};

} // namespace JVX
