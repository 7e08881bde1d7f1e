#pragma once
// What tirnel-cli prints for --help (kHelp, a blank line, kUsage) and after a usage error.

namespace tirnel::cli {

inline constexpr const char* kUsage =
    "用法:\n"
    "  tirnel-cli split 源文件 目标文件夹 分割大小[K|KB|M|MB] [--unit KB|MB] [--no-checksum] [--replace] [--no-lock]\n"
    "  tirnel-cli merge 描述文件(.hpe)|编号分割文件(.001) [目标文件夹] [--replace] [--no-lock]\n"
    "  tirnel-cli verify 描述文件(.hpe)|编号分割文件(.001) [目标文件夹]\n"
    "  tirnel-cli --help | --version\n";

inline constexpr const char* kHelp =
    "Tirnel 文件分割器的命令行。\n"
    "\n"
    "split  把源文件切成大小相同的分割文件 001.pe、002.pe …,并写入描述文件\n"
    "       (源文件名去掉扩展名,加上 .hpe)。分割大小是整数,可紧跟单位 K、KB、M 或 MB\n"
    "       (不分大小写,不留空格),单位也可用 --unit 指定,两者不一致时拒绝;都没有时为 KB。\n"
    "       描述文件中按原样保存分割大小的数字(不含单位后缀)。\n"
    "       同时写入校验文件(描述文件名加 .sha256,可用 sha256sum -c 检查);\n"
    "       --no-checksum 不写校验文件(并删除同名的旧校验文件)。目标文件夹中已有\n"
    "       另一组分割文件(另一个描述文件,或同名描述文件记录的是另一个文件)时拒绝分割,\n"
    "       --replace 则替换那组文件:连同它的描述文件、校验文件和超出新分割文件个数的\n"
    "       分割文件。不属于任何描述文件的分割文件不删除。\n"
    "merge  读取描述文件,从目标文件夹读出各个分割文件,在该文件夹中重建原文件\n"
    "       (文件名取自描述文件);不写目标文件夹时用描述文件所在的文件夹。\n"
    "       描述文件旁有校验文件时,边合并边校验,有损坏的分割文件则不保存合并结果;\n"
    "       校验文件属于另一组分割文件时不校验内容,并在标准错误上说明。\n"
    "       目标文件夹中已有同名文件时拒绝合并(内容与合并结果相同的除外),\n"
    "       --replace 则替换它。\n"
    "verify 按校验文件检查目标文件夹中的各个分割文件,不写入任何文件;不写目标文件夹时\n"
    "       用描述文件所在的文件夹。逐个列出缺少、大小不对或已损坏的分割文件。\n"
    "\n"
    "merge 和 verify 也接受其他工具切出的编号分割文件 名称.001、名称.002 …(任意一个,\n"
    "三位或更多位数字),合并出\"名称\"。旁边有 名称.sha256、SHA256SUMS、名称.md5、MD5SUMS、\n"
    "名称.sfv 或 名称.crc 时,按它边合并边校验;没有时合并但不校验,并在标准错误上说明。\n"
    "\n"
    "带值的选项也可以写成 --unit=MB。找不到描述文件或目标文件夹时拒绝运行,并写出所给的路径。\n"
    "\n"
    "完成时在标准输出写一行:\n"
    "  文件分割完毕! 分割文件个数 个分割文件 → 目标文件夹/\n"
    "  文件合并完毕! → 合并出的文件\n"
    "拒绝和失败的原因,以及完成时的附加说明,写到标准错误;标准错误是终端时显示进度条。\n"
    "目标文件夹所在的文件系统不支持加锁时拒绝运行,--no-lock 则不加锁继续。\n"
    "Ctrl+C(以及关闭终端、SIGTERM、SIGQUIT)中断运行并删除本次写入的文件;\n"
    "文件已开始放到最终位置时不再中断,运行照常完成。\n"
    "\n"
    "例子:\n"
    "  # 切成 700 MB 的分割文件,放到 U 盘上\n"
    "  tirnel-cli split 电影.mkv /media/u盘 700M\n"
    "  # 在 U 盘上合并出 电影.mkv(分割文件在描述文件旁边)\n"
    "  tirnel-cli merge /media/u盘/电影.hpe\n"
    "  # 在当前文件夹切成 1440 KB 的分割文件,替换那里原有的一组\n"
    "  tirnel-cli split 备份.tar . 1440K --replace\n"
    "  # 合并 split -d 切出的 movie.mkv.001、movie.mkv.002 …\n"
    "  tirnel-cli merge movie.mkv.001\n"
    "\n"
    "退出状态: 0 完成(verify: 全部完好); 1 运行以提示结束,没有留下任何文件\n"
    "(verify: 有分割文件缺少或损坏,或无法校验); 2 用法错误;\n"
    "被信号中断时为 128 加信号编号: Ctrl+C 为 130,SIGTERM 为 143。\n";

}  // namespace tirnel::cli
