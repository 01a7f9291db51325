#include "filereasons.h"

#include <QCoreApplication>

#include <cerrno>

namespace FileReasons {

QString systemError(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("FileReasons",
                                           "そのようなファイルやフォルダーはありません。");
    case EACCES:
        return QCoreApplication::translate("FileReasons", "アクセスする権限がありません。");
    case EPERM:
        return QCoreApplication::translate("FileReasons", "その操作は許可されていません。");
    case EROFS:
        return QCoreApplication::translate("FileReasons", "読み取り専用の場所です。");
    case ENOSPC:
        return QCoreApplication::translate("FileReasons", "ディスクに空きがありません。");
    case EDQUOT:
        return QCoreApplication::translate("FileReasons", "ディスクの使用量の上限を超えました。");
    case EFBIG:
        return QCoreApplication::translate("FileReasons", "ファイルの大きさの上限を超えます。");
    case EISDIR:
        return folder();
    case ENOTDIR:
        return QCoreApplication::translate("FileReasons", "途中の名前がフォルダーではありません。");
    case ELOOP:
        return QCoreApplication::translate("FileReasons", "シンボリックリンクが循環しています。");
    case ENAMETOOLONG:
        return QCoreApplication::translate("FileReasons", "名前が長すぎます。");
    case EEXIST:
        return QCoreApplication::translate("FileReasons", "同じ名前のものがすでにあります。");
    case ENOTEMPTY:
        return QCoreApplication::translate("FileReasons", "フォルダーが空ではありません。");
    case EXDEV:
        return QCoreApplication::translate("FileReasons", "別のファイルシステムへは移せません。");
    case EIO:
        return QCoreApplication::translate(
            "FileReasons", "入出力エラーが起きました。ディスクや装置の不具合かもしれません。");
    case EPIPE:
        return QCoreApplication::translate("FileReasons", "読み取る側のプログラムが終了しました。");
    case EBADF:
        return QCoreApplication::translate("FileReasons", "閉じられています。");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("FileReasons", "開いているファイルが多すぎます。");
    case ENOMEM:
        return QCoreApplication::translate("FileReasons", "メモリーが足りません。");
    case EBUSY:
    case ETXTBSY:
        return QCoreApplication::translate("FileReasons", "使用中です。");
    case ENXIO:
    case ENODEV:
        return QCoreApplication::translate("FileReasons", "装置がありません。");
    case EAGAIN:
        return QCoreApplication::translate("FileReasons",
                                           "今は使えません。もう一度お試しください。");
    case EINTR:
        return QCoreApplication::translate("FileReasons", "中断されました。");
    case EINVAL:
        return QCoreApplication::translate("FileReasons", "この操作はここではできません。");
    case EOPNOTSUPP:
        return QCoreApplication::translate("FileReasons",
                                           "このファイルシステムではその操作ができません。");
    case EOVERFLOW:
        return QCoreApplication::translate("FileReasons", "大きすぎて扱えません。");
    case ETIMEDOUT:
        return QCoreApplication::translate("FileReasons", "時間切れになりました。");
    case ESTALE:
        return QCoreApplication::translate("FileReasons",
                                           "ネットワーク上のファイルが無効になりました。");
    default:
        return QCoreApplication::translate("FileReasons",
                                           "予期しないエラーが起きました（エラー番号 %1）。")
            .arg(error);
    }
}

QString noFileName()
{
    return QCoreApplication::translate("FileReasons", "ファイル名がありません。");
}

QString folder()
{
    return QCoreApplication::translate("FileReasons", "フォルダーです。");
}

QString notRegularFile()
{
    return QCoreApplication::translate("FileReasons", "通常のファイルではありません。");
}

QString notWritableKind()
{
    return QCoreApplication::translate(
        "FileReasons",
        "通常のファイル、名前付きパイプ、キャラクターデバイスのどれでもありません。");
}

QString fifoWithoutReader()
{
    return QCoreApplication::translate("FileReasons",
                                       "読み取るプログラムのない名前付きパイプです。");
}

QString alreadyOpen()
{
    return QCoreApplication::translate("FileReasons", "すでに書き込み中です。");
}

QString writeOnly()
{
    return QCoreApplication::translate("FileReasons",
                                       "書き込みにしか開けません。読み込みや追記はできません。");
}

QString notOpen()
{
    return QCoreApplication::translate("FileReasons", "書き込み用に開かれていません。");
}

QString noTemporaryFile(const QString &why)
{
    return QCoreApplication::translate("FileReasons",
                                       "同じフォルダーに一時ファイルを作れません。%1")
        .arg(why);
}

QString noFreeTemporaryName()
{
    return QCoreApplication::translate(
        "FileReasons", "同じフォルダーに一時ファイルの空いた名前が見つかりません。");
}

QString inPlaceFailedToo(const QString &folderReason, const QString &inPlaceReason)
{
    return QCoreApplication::translate("FileReasons",
                                       "%1ファイルをその場で書き換えることもできません。%2")
        .arg(folderReason, inPlaceReason);
}

QString tooLargeToKeep()
{
    return QCoreApplication::translate("FileReasons",
                                       "大きすぎて、書き換える間に元の内容を控えておけません。");
}

QString changedWhileRead()
{
    return QCoreApplication::translate("FileReasons", "読み込んでいる間に変わりました。");
}

QString noStagingFile(const QString &folder, const QString &why)
{
    return QCoreApplication::translate("FileReasons",
                                       "一時フォルダー「%1」に新しい内容を置けません。%2")
        .arg(folder, why);
}

QString interrupted()
{
    return QCoreApplication::translate("FileReasons", "書き込みが中断されました。");
}

QString oldContentNotRestored(const QString &reason, const QString &why)
{
    return QCoreApplication::translate("FileReasons", "%1元の内容も戻せませんでした。%2")
        .arg(reason, why);
}

QString standardOutputFailed(const QString &why)
{
    return QCoreApplication::translate("FileReasons", "標準出力に書き込めません。%1").arg(why);
}

} // namespace FileReasons
