#pragma once
// The texts the runs show.

namespace tirnel::notice {

inline constexpr const char* kNoSource = "请指定待分割文件!";
inline constexpr const char* kNoFolder = "请指定保存目录!";
inline constexpr const char* kSizeBelowOne = "分割大小不能小于1!";
inline constexpr const char* kNoNeedToSplit = "你不需要分割这个文件!";
inline constexpr const char* kSplitDone = "文件分割完毕!";
inline constexpr const char* kNoDescriptor = "请指定待合并文件!";
inline constexpr const char* kMergeDone = "文件合并完毕!";

inline constexpr const char* kSizeTooLarge = "分割大小太大!";
inline constexpr const char* kSizeNotNumber = "分割大小只能填写数字!";
inline constexpr const char* kNameNotStorable =
    "源文件名含有简体中文代码页无法保存的字符,请先给文件改名再分割!";
inline constexpr const char* kNameHasSeparator =
    "源文件名含有\":\"或\"\\\",分割文件无法保存这样的文件名,请先给文件改名再分割!";
inline constexpr const char* kSourceIsTarget =
    "源文件会被分割出的文件覆盖,请选择其他目标文件夹!";
inline constexpr const char* kSourceChanged = "源文件在分割过程中变短了,分割未完成。";
inline constexpr const char* kRemovedWritten = "本次写入的文件已删除。";
// Followed by the hidden names of the files that could not be removed.
inline constexpr const char* kNotRemoved = "本次写入的临时文件未能删除,请手动删除:";
// Followed by the names that could not be put back.
inline constexpr const char* kNotRestored = "以下文件未能恢复原样:";
inline constexpr const char* kFolderBusy = "另一个分割或合并正在使用这个文件夹,请等它完成后再试!";
inline constexpr const char* kSizeTextTooLong = "分割大小填写得太长,描述文件无法保存!";

inline constexpr const char* kStoredNameIsPiece =
    "源文件与分割文件同名,合并时无法在同一个文件夹中重建它,请先给文件改名再分割!";
// Followed by the reason.
inline constexpr const char* kFolderUnreadable = "无法读取目标文件夹";
inline constexpr const char* kFolderUnreadableEnd =
    "无法确认没有别的分割或合并正在使用它,也无法检查其中的其他分割文件。";
inline constexpr const char* kFolderWithoutLock =
    "目标文件夹所在的文件系统不支持加锁,无法防止另一个分割或合并同时使用这个文件夹。";
// Followed by the names.
inline constexpr const char* kUnsettledCommit = "这个文件夹中有一次被中断的保存未能恢复原状,请先处理以下文件:";
inline constexpr const char* kOldCopiesLeft = "以下被替换文件的旧副本未能删除,下次在这个文件夹中运行时会再删除:";

inline constexpr const char* kBadDescriptor = "这不是有效的分割描述文件,无法合并!";
inline constexpr const char* kBadStoredName = "描述文件中保存的文件名无效,无法合并!";
inline constexpr const char* kOutputIsPiece = "合并出的文件会覆盖分割文件,无法合并!";
inline constexpr const char* kUnverifiedForeign = "未校验内容:校验文件不属于这个分割。";

// Checksums.
inline constexpr const char* kSetIntact = "分割文件全部完好,可以合并。";

}  // namespace tirnel::notice
