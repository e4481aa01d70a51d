// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

#include "core/form_result.h"

namespace lumora {

// The bytes of a regular file, never more than max_bytes + 1 of them: a result longer
// than max_bytes says the file is past the limit, for the caller to refuse in its own
// words. The file is opened without blocking and checked before a byte is read: a
// FIFO, a device, a socket or a folder is refused (a FIFO would wait for a writer for
// good, a device such as /dev/zero never ends). The refusal names the file and says
// what it is.
FormResult<std::string> ReadRegularFile(const std::string& path, std::size_t max_bytes);

// Whether path names a regular file to read as a stream (a file too long to read
// whole): the path when it does; a FIFO, device, socket or folder is refused as
// ReadRegularFile refuses it.
FormResult<std::string> CheckRegularFile(const std::string& path);

// Whether a file may be written at path by replacing it whole (a new file renamed
// over it): a new name in a folder the user may write, or a regular file the user
// may write in place. A device node, FIFO, socket or folder is refused (renaming
// over /dev/null would replace the device with a file), and so is a file the user
// could not write in place (another user's file in a folder everyone may write) or
// whose write permission is off for everyone (a read-only file, even the
// administrator's own). The empty name is refused too. Returns the
// path to write when it may be written.
FormResult<std::string> CheckWriteTarget(const std::string& path);

}  // namespace lumora
