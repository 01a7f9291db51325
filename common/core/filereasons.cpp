#include "filereasons.h"

#include <cerrno>

namespace FileReasons {

QString systemError(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("そのようなファイルやフォルダーはありません。");
    case EACCES:
        return QStringLiteral("アクセスする権限がありません。");
    case EPERM:
        return QStringLiteral("その操作は許可されていません。");
    case EROFS:
        return QStringLiteral("読み取り専用の場所です。");
    case ENOSPC:
        return QStringLiteral("ディスクに空きがありません。");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限を超えました。");
    case EFBIG:
        return QStringLiteral("ファイルの大きさの上限を超えます。");
    case EISDIR:
        return folder();
    case ENOTDIR:
        return QStringLiteral("途中の名前がフォルダーではありません。");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しています。");
    case ENAMETOOLONG:
        return QStringLiteral("名前が長すぎます。");
    case EEXIST:
        return QStringLiteral("同じ名前のものがすでにあります。");
    case ENOTEMPTY:
        return QStringLiteral("フォルダーが空ではありません。");
    case EXDEV:
        return QStringLiteral("別のファイルシステムへは移せません。");
    case EIO:
        return QStringLiteral("入出力エラーが起きました。ディスクや装置の不具合かもしれません。");
    case EPIPE:
        return QStringLiteral("読み取る側のプログラムが終了しました。");
    case EBADF:
        return QStringLiteral("閉じられています。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case ENOMEM:
        return QStringLiteral("メモリーが足りません。");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("使用中です。");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("装置がありません。");
    case EAGAIN:
        return QStringLiteral("今は使えません。もう一度お試しください。");
    case EINTR:
        return QStringLiteral("中断されました。");
    case EINVAL:
        return QStringLiteral("この操作はここではできません。");
    case EOPNOTSUPP:
        return QStringLiteral("このファイルシステムではその操作ができません。");
    case EOVERFLOW:
        return QStringLiteral("大きすぎて扱えません。");
    case ETIMEDOUT:
        return QStringLiteral("時間切れになりました。");
    case ESTALE:
        return QStringLiteral("ネットワーク上のファイルが無効になりました。");
    default:
        return QStringLiteral("予期しないエラーが起きました（エラー番号 %1）。").arg(error);
    }
}

QString noFileName()
{
    return QStringLiteral("ファイル名がありません。");
}

QString folder()
{
    return QStringLiteral("フォルダーです。");
}

QString notRegularFile()
{
    return QStringLiteral("通常のファイルではありません。");
}

QString notWritableKind()
{
    return QStringLiteral(
        "通常のファイル、名前付きパイプ、キャラクターデバイスのどれでもありません。");
}

QString fifoWithoutReader()
{
    return QStringLiteral("読み取るプログラムのない名前付きパイプです。");
}

QString alreadyOpen()
{
    return QStringLiteral("すでに書き込み中です。");
}

QString writeOnly()
{
    return QStringLiteral("書き込みにしか開けません。読み込みや追記はできません。");
}

QString notOpen()
{
    return QStringLiteral("書き込み用に開かれていません。");
}

QString noTemporaryFile(const QString &why)
{
    return QStringLiteral("同じフォルダーに一時ファイルを作れません。%1").arg(why);
}

QString noFreeTemporaryName()
{
    return QStringLiteral("同じフォルダーに一時ファイルの空いた名前が見つかりません。");
}

QString inPlaceFailedToo(const QString &folderReason, const QString &inPlaceReason)
{
    return QStringLiteral("%1ファイルをその場で書き換えることもできません。%2")
        .arg(folderReason, inPlaceReason);
}

QString tooLargeToKeep()
{
    return QStringLiteral("大きすぎて、書き換える間に元の内容を控えておけません。");
}

QString changedWhileRead()
{
    return QStringLiteral("読み込んでいる間に変わりました。");
}

QString noStagingFile(const QString &folder, const QString &why)
{
    return QStringLiteral("一時フォルダー「%1」に新しい内容を置けません。%2").arg(folder, why);
}

QString interrupted()
{
    return QStringLiteral("書き込みが中断されました。");
}

QString oldContentNotRestored(const QString &reason, const QString &why)
{
    return QStringLiteral("%1元の内容も戻せませんでした。%2").arg(reason, why);
}

QString standardOutputFailed(const QString &why)
{
    return QStringLiteral("標準出力に書き込めません。%1").arg(why);
}

} // namespace FileReasons
