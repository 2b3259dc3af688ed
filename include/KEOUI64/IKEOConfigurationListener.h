#pragma once

#include <cstddef>
#include <cstdint>

// An optional extension for hosts that run the motion-cueing algorithm themselves and want it to
// follow the editor live: a host's HostOutputSource that also derives from this interface is told
// the configuration being edited whenever it changes, without any save. Create finds the
// interface on the output source it is given (by dynamic_cast); a source without it is used as
// before, and neither export changes.
//
// When it is called: once the edited cluster's configuration is loaded, and after every change
// of a value, of the edited cluster or of the parameter set shown, on the GUI thread, at most once
// per pass of the event loop however many values one action changed. No call comes once the
// host's destruction notifier has announced the source's end, nor once the editor's view is gone.
class IKEOConfigurationListener {
public:
    virtual ~IKEOConfigurationListener() = default;

    // `cluster`: 0 or 1, the cluster being edited. `paramSet`: 0 or 1, the parameter set the editor
    // shows ("Param set #1" or "#2"). `json` and `length`: the whole configuration as a UTF-8 JSON
    // document of format version 1, as a save would write it, NUL-terminated; valid only during
    // the call.
    virtual void onConfigurationChanged(std::int32_t cluster, std::int32_t paramSet,
                                        const char* json, std::size_t length) = 0;
};
