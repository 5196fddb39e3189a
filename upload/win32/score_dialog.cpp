#include "upload/win32/score_dialog.h"

#include <cstdlib>

#include "base/format.h"
#include "base/prompt.h"
#include "res/resource_ids.h"
#include "results/result_set.h"
#include "results/win32/game_files.h"
#include "sysinfo/system_facts.h"
#include "sysinfo/win32/cpu_info.h"
#include "sysinfo/win32/windows_facts.h"
#include "upload/score.h"
#include "upload/win32/reply_page.h"
#include "widgets/button_looks.h"
#include "widgets/win32/button_style.h"

namespace tarvik {

UploadMachine WindowsScoreDialogPlatform::DescribeMachine(const std::string& gameVersionField) {
    UploadMachine machine;
    machine.gameVersionField = gameVersionField;
    machine.processorName = CCpuInfo().GetProcessorName();
    machine.totalMemoryBytes = TotalPhysicalMemoryBytes();
    const WindowsVersion version = TrueWindowsVersion();
    machine.osName = GetOsName(version.major, version.minor, version.build);
    return machine;
}

const char* WindowsScoreDialogPlatform::ServerSetting() {
    return std::getenv(kResultsServerVariable);
}

UploadExchange WindowsScoreDialogPlatform::Post(const ResultsServer& server,
                                                const std::string& body) {
    return PostUploadForm(server, body);
}

std::optional<std::string> WindowsScoreDialogPlatform::SaveReply(const std::string& reply) {
    return SaveReplyPage(reply, ReplyPageCandidates());
}

void WindowsScoreDialogPlatform::OpenPage(const std::string& path) {
    OpenReplyPage(path);
}

Cuploaddlg::Cuploaddlg(const PageContext& context, ScoreDialogPlatform& platform, GameFiles& files)
    : Dialog(IDD_SCORE), context_(context), platform_(platform), files_(files) {}

BOOL Cuploaddlg::OnInit() {
    SetUpButtons();
    AppState& state = context_.state;
    RunValidityInputs inputs;
    inputs.csvNames = files_.ListCsvNames(state.gameFolder);
    inputs.previousNewestCsv = state.standardRun.previousNewestCsv;
    for (const MapResult& record : state.results.Records()) {
        inputs.perSecondCounts.push_back(record.perSecondCount);
    }
    inputs.runCsvCrc = state.standardRun.runCsvCrc;
    failedCheck_ = FailedValidityCheck(inputs, [&](const std::string& name) {
        return files_.FileChecksum(CsvFilePath(state.gameFolder, name));
    });
    if (failedCheck_ != 0) {
        context_.prompt.Show(InvalidResultsMessage(failedCheck_), kInvalidResultsCaption);
        state.standardRun.scorePending = false;
        Close(IDCANCEL);
        return TRUE;
    }
    ShowScore();
    return TRUE;
}

void Cuploaddlg::SetUpButtons() {
    StyleButton(onlineResults_, IDC_SCORE_ONLINE_RESULTS, Handle(),
                TwoToneIconLook(IDI_UPLOAD, "Upload your results", kColorNavy));
    ButtonStyle viewLocally =
        TwoToneIconLook(IDI_VIEW_LOCALLY, "View detailed results locally", kColorGreen);
    viewLocally.align = kAlignImageRight;
    StyleButton(viewLocally_, IDC_SCORE_VIEW_LOCALLY, Handle(), viewLocally);
}

void Cuploaddlg::ShowScore() {
    {
        WindowDc screen(Handle());
        const int height = -MulDiv(kScoreFontPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
        scoreFont_.Reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kScoreFontFace));
    }
    for (const int id : {IDC_SCORE_HEADING, IDC_SCORE_TEXT}) {
        SetItemFont(id, scoreFont_.Get());
    }
    const StandardScore score = ScoreOf(context_.state.results.Records());
    SetItemText(IDC_SCORE_HEADING, kScoreHeading);
    SetItemText(IDC_SCORE_TEXT, ScoreText(score.score));
}

void Cuploaddlg::OnOK() {
    Upload();
}

void Cuploaddlg::OnCancel() {
    context_.state.standardRun.scorePending = false;
    Close(IDCANCEL);
}

void Cuploaddlg::Close(INT_PTR result) {
    ended_ = true;
    EndDialog(result);
}

void Cuploaddlg::Upload() {
    AppState& state = context_.state;
    state.standardRun.scorePending = false;
    const ResultsServerSetting setting = ResultsServerFromSetting(platform_.ServerSetting());
    if (!setting.problem.empty()) {
        context_.prompt.Show(setting.problem, kUploadFailedCaption);
    }
    const UploadMachine machine = platform_.DescribeMachine(state.gameVersionField);
    const std::string body = UploadFormBody(machine, state.results.Records());
    const UploadExchange exchange = platform_.Post(setting.server, body);
    if (!exchange.ok) {
        context_.prompt.Show(Format(kUploadFailedPattern, ResultsServerName(setting.server).c_str(),
                                    exchange.failure.c_str()),
                             kUploadFailedCaption);
        return;
    }
    const std::optional<std::string> page = platform_.SaveReply(exchange.reply);
    if (!page) {
        context_.prompt.Show(kCantCreateReplyMessage, kCantCreateReplyCaption);
        return;
    }
    platform_.OpenPage(*page);
}

HBRUSH Cuploaddlg::OnControlColor(HDC dc, HWND, int controlId) {
    if (controlId != IDC_SCORE_HEADING && controlId != IDC_SCORE_TEXT) {
        return nullptr;
    }
    SetTextColor(dc, kScoreTextColor);
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

void ShowScoreDialog(const PageContext& context, HWND owner) {
    WindowsScoreDialogPlatform platform;
    WindowsGameFiles files;
    Cuploaddlg dialog(context, platform, files);
    dialog.DoModal(owner);
}

}  // namespace tarvik
