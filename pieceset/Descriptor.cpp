#include "pieceset/Descriptor.h"

#include "pieceset/FailureText.h"
#include "pieceset/Notices.h"
#include "pieceset/PieceSetFormat.h"
#include "platform/io/AnsiCodePage.h"
#include "platform/io/File.h"


namespace tirnel {

std::optional<std::string> DescriptorBytes(std::string_view fileName, std::string_view payload) {
    std::optional<std::string> name = ToAnsi(fileName);
    if (!name) return std::nullopt;
    return *name + ":" + ScrambleText(payload) + "\r\n";
}

std::optional<DescriptorContent> ParseDescriptor(std::string_view bytes, DescriptorError& error) {
    // ":" is never the second byte of a double-byte character in code page 936, so the
    // first ":" byte is the separator.
    std::size_t colon = bytes.find(':');
    if (colon == std::string_view::npos) {
        error = DescriptorError::NoSeparator;
        return std::nullopt;
    }
    std::optional<std::string> name = FromAnsi(bytes.substr(0, colon));
    if (!name) {
        error = DescriptorError::BadName;
        return std::nullopt;
    }
    error = DescriptorError::None;
    return DescriptorContent{*name, UnscrambleText(UnshuffleText(bytes.substr(colon + 1)))};
}

std::optional<DescribedSet> ReadDescribedSet(std::string_view bytes, std::int64_t chunkSize, std::string& failure) {
    failure = notice::kBadDescriptor;
    if (static_cast<std::int64_t>(bytes.size()) > kMaxDescriptorBytes) return std::nullopt;
    DescriptorError error;
    std::optional<DescriptorContent> content = ParseDescriptor(bytes, error);
    if (!content) {
        if (error == DescriptorError::BadName) failure = notice::kBadStoredName;
        return std::nullopt;
    }
    std::optional<DecodedPayload> payload = DecodePayload(content->payload);
    if (!payload) return std::nullopt;
    if (!IsPlainFileName(content->name)) {
        failure = notice::kBadStoredName;
        return std::nullopt;
    }
    std::optional<SetShape> shape = ShapeOfSet(payload->pieceSize, payload->chunkCount, chunkSize);
    if (!shape) return std::nullopt;
    failure.clear();
    return DescribedSet{std::move(content->name), payload->chunkCount, *shape};
}

std::optional<DescribedSet> ReadDescriptorFile(const std::filesystem::path& path, std::string& bytes,
                                               std::string& failure, std::int64_t chunkSize) {
    std::error_code ec;
    ReadFileUpTo(path, kMaxDescriptorBytes + 1, bytes, ec);
    if (ec) {
        failure = "无法读取描述文件:" + FailureReason(ec) + "。";
        return std::nullopt;
    }
    return ReadDescribedSet(bytes, chunkSize, failure);
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace tirnel
