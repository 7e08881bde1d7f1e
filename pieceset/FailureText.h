#pragma once
// Why a file operation failed, in plain Chinese.

#include <string>
#include <system_error>

namespace tirnel {

std::string FailureReason(const std::error_code& ec);

}  // namespace tirnel
