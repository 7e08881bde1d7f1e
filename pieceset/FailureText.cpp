#include "pieceset/FailureText.h"

#include "platform/io/File.h"

#include <array>
#include <cerrno>
#include <utility>

namespace tirnel {

std::string FailureReason(const std::error_code& ec) {
    static const std::array<std::pair<std::errc, const char*>, 16> kReasons{{
        {std::errc::no_space_on_device, "磁盘空间不足"},
        {std::errc::permission_denied, "没有访问权限"},
        {std::errc::operation_not_permitted, "没有访问权限"},
        {std::errc::read_only_file_system, "磁盘是只读的"},
        {std::errc::no_such_file_or_directory, "文件或文件夹不存在"},
        {std::errc::not_a_directory, "路径中有一项不是文件夹"},
        {std::errc::is_a_directory, "同名的文件夹已存在"},
        {std::errc::file_exists, "同名的文件已存在"},
        {std::errc::file_too_large, "文件太大,磁盘不支持"},
        {std::errc::filename_too_long, "文件名太长"},
        {std::errc::io_error, "磁盘读写错误"},
        {std::errc::too_many_files_open, "打开的文件太多"},
        {std::errc::device_or_resource_busy, "文件正被占用"},
        {std::errc::text_file_busy, "文件正被占用"},
        {std::errc::not_enough_memory, "内存不足"},
        {std::errc::no_such_device, "设备不存在"},
    }};
    if (ec == NotRegularFileError()) return "不是普通文件";
    for (const auto& [code, text] : kReasons) {
        if (ec == code) return text;
    }
#ifdef EDQUOT
    if (ec.value() == EDQUOT && ec.category() == std::generic_category()) return "超出磁盘配额";
#endif
    return "系统错误 " + std::to_string(ec.value());
}

}  // namespace tirnel
