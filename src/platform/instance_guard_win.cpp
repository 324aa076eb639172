// The single-instance guard on Windows: a named mutex created without
// taking ownership. Its mere existence marks a running copy: the process
// whose CreateMutexA does not report ERROR_ALREADY_EXISTS is the holder.
#ifdef _WIN32

#include "app/instance_guard.h"
#include "platform/settings_platform.h"

#include <windows.h>

namespace xtr {
namespace {

class WinInstanceGuard : public InstanceGuard {
public:
    ~WinInstanceGuard() override { Release(); }

    bool Acquire(const std::string& name) override
    {
        if (handle_ != nullptr) {
            return holder_;
        }
        handle_ = CreateMutexA(nullptr, FALSE, name.c_str());
        // Read at once: any later call may change the last error.
        const DWORD error = GetLastError();
        holder_ = handle_ != nullptr && error != ERROR_ALREADY_EXISTS;
        failed_ = handle_ == nullptr;
        return holder_;
    }

    bool Failed() const override { return failed_; }

    void Release() override
    {
        if (handle_ != nullptr) {
            // The mutex is never owned, so ReleaseMutex has nothing to give
            // up; closing the last handle is what removes the mutex.
            ReleaseMutex(handle_);
            CloseHandle(handle_);
            handle_ = nullptr;
            holder_ = false;
        }
    }

private:
    HANDLE handle_ = nullptr;
    bool holder_ = false;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<InstanceGuard> CreateInstanceGuard()
{
    return std::make_unique<WinInstanceGuard>();
}

}  // namespace xtr

#endif  // _WIN32
