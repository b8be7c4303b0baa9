#include "sxplay/core/Errors.h"

namespace sx {

std::u16string_view ErrorMessage(int32_t code) {
    switch (code) {
        case kOk: return u"エラーはありません。";
        case kInternal: return u"内部システムエラー、またはハードウェアエラーです。";
        case kNoMemory: return u"メモリ不足のため、コマンドを実行できません。";
        case kBadCall: return u"不正な呼び出しです。";
        case kBadParameter: return u"不正なパラメータです。";
        case kDeviceFailed: return u"デバイスを正しく開けません。";
        case kOpenFailed: return u"ファイルを正しく開けません。";
        case kReadFailed: return u"ファイルから正しくデータを読み込めません。";
        case kBadFormat: return u"ファイルフォーマットが不正です。";
        case kTooLarge: return u"ファイルサイズが大きすぎます。";
        case kUnsupported: return u"サポートしていないファイル形式です。";
        case kReadOnly: return u"このプロパティは読み取り専用です。";
        default: return {};
    }
}

}  // namespace sx
