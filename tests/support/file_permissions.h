// Makes file permissions bind the test as they bind an ordinary user, for the lifetime of the
// guard: the administrator's power to read and write any file is set aside (and given back
// afterwards), so a protected file stays protected when the tests run as root. For an ordinary
// user it changes nothing.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class FilePermissionsApply {
 public:
  FilePermissionsApply() {
    syscall(SYS_capget, &header_, old_);
    __user_cap_data_struct now[2] = {old_[0], old_[1]};
    now[0].effective &= ~(CAP_TO_MASK(CAP_DAC_OVERRIDE) | CAP_TO_MASK(CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header_, now);
  }
  ~FilePermissionsApply() { syscall(SYS_capset, &header_, old_); }
  FilePermissionsApply(const FilePermissionsApply&) = delete;
  FilePermissionsApply& operator=(const FilePermissionsApply&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct old_[2]{};
};
