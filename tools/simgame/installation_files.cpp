#include "tools/simgame/installation_files.h"

#include <utility>

#include "tools/simgame/map_file.h"
#include "tools/simgame/text.h"

namespace tarvik::simgame {
namespace {

// The game's system ini. ${Name} marks a value that depends on the detail profile.
constexpr const char* kSystemIniTemplate = R"([URL]
Protocol=unreal
ProtocolDescription=Unreal Protocol
Name=Player
Map=Index.ut2
LocalMap=NvidiaLogo.ut2
Host=
Portal=
MapExt=ut2
SaveExt=uvx
Port=7777
Class=Engine.Pawn

[FirstRun]
FirstRun=${Version}

[Engine.Engine]
RenderDevice=D3DDrv.D3DRenderDevice
AudioDevice=ALAudio.ALAudioSubsystem
NetworkDevice=IpDrv.TcpNetDriver
DemoRecordingDevice=Engine.DemoRecDriver
Console=XInterface.ExtendedConsole
Language=int
GameEngine=Engine.GameEngine
EditorEngine=Editor.EditorEngine
GUIController=XInterface.GUIController
DefaultGame=XGame.xDeathMatch
DefaultServerGame=XGame.xDeathMatch
ViewportManager=WinDrv.WindowsClient
Render=Render.Render
Input=Engine.Input
Canvas=Engine.Canvas
DetectedVideoMemory=128

[Core.System]
PurgeCacheDays=30
SavePath=../Saves
CachePath=../Cache
CacheExt=.uxx
Paths=../System/*.u
Paths=../Maps/*.ut2
Paths=../Textures/*.utx
Paths=../Sounds/*.uax
Paths=../Music/*.umx
Paths=../StaticMeshes/*.usx
Paths=../Animations/*.ukx
Suppress=DevLoad
Suppress=DevSave
Suppress=DevNetTraffic
Suppress=DevGarbage
Suppress=DevKill
Suppress=DevReplace
Suppress=DevCompile
Suppress=DevBind
Suppress=DevBsp

[Engine.GameEngine]
CacheSizeMegs=32
UseSound=True
ServerActors=IpDrv.UdpBeacon
ServerActors=IpDrv.MasterServerUplink
ServerPackages=Core
ServerPackages=Engine
ServerPackages=GamePlay
ServerPackages=UnrealGame
ServerPackages=XGame
ServerPackages=XInterface
ServerPackages=XWeapons
ServerPackages=XPickups
ServerPackages=XEffects
MainMenuClass=XInterface.UT2MainMenu
ConnectingMenuClass=XInterface.UT2ConnectingMenu
DisconnectMenuClass=XInterface.UT2DisconnectedMenu

[Engine.LevelInfo]
PhysicsDetailLevel=${PhysicsDetailLevel}

[WinDrv.WindowsClient]
WindowedViewportX=640
WindowedViewportY=480
FullscreenViewportX=${ViewportX}
FullscreenViewportY=${ViewportY}
MenuViewportX=640
MenuViewportY=480
Brightness=0.800000
Contrast=0.700000
Gamma=0.800000
UseJoystick=False
CaptureMouse=True
StartupFullscreen=True
MinDesiredFrameRate=${MinDesiredFrameRate}
Decals=${Effects}
Coronas=${Effects}
DecoLayers=${Effects}
Projectors=${Effects}
NoDynamicLights=${NoDynamicLights}
NoLighting=False
ScreenFlashes=True
NoFractalAnim=False
ReportDynamicUploads=False
TextureDetailInterface=UltraHigh
TextureDetailTerrain=${TextureDetail}
TextureDetailWeaponSkin=${TextureDetail}
TextureDetailPlayerSkin=${TextureDetail}
TextureDetailWorld=${TextureDetail}
TextureDetailRenderMap=${TextureDetail}
TextureDetailLightmap=${TextureDetail}
TextureMaxLOD=${TextureLOD}
TextureMinLOD=${TextureLOD}

[D3DDrv.D3DRenderDevice]
DetailTexMipBias=${DetailTexMipBias}
DefaultTexMipBias=${DefaultTexMipBias}
UsePrecaching=True
UseTrilinear=True
AdapterNumber=-1
ReduceMouseLag=True
UseTripleBuffering=${UseTripleBuffering}
UseHardwareTL=True
UseHardwareVS=True
UseCubemaps=True
DesiredRefreshRate=60
UseCompressedLightmaps=${UseCompressedLightmaps}
UseStencil=False
Use16bit=${Use16bit}
Use16bitTextures=False
MaxPixelShaderVersion=255
UseVSync=${UseVSync}
LevelOfAnisotropy=1
DetailTextures=${Details}
HighDetailActors=${Details}
SuperHighDetailActors=${SuperHighDetailActors}
UseNPatches=False
TesselationFactor=1.000000
CheckForOverflow=False
DecompressTextures=False

[ALAudio.ALAudioSubsystem]
UseEAX=True
Use3DSound=False
UseDefaultDriver=True
CompatibilityMode=False
UsePrecache=True
ReverseStereo=False
Channels=32
MusicVolume=0.500000
SoundVolume=0.800000
DopplerFactor=1.000000

[IpDrv.TcpNetDriver]
AllowDownloads=True
ConnectionTimeout=15.0
InitialConnectTimeout=30.0
MaxClientRate=10000
NetServerMaxTickRate=20
LanServerMaxTickRate=35

[XGame.xDeathMatch]
NumBots=4
bAutoNumBots=False
GoalScore=25
TimeLimit=20
)";

constexpr const char* kUserIniTemplate = R"([DefaultPlayer]
Name=Player
Class=XGame.xPawn
Character=Gorge
team=255

[Engine.PlayerController]
InputClass=Class'Engine.PlayerInput'
bAlwaysMouseLook=True
bKeyboardLook=True
bAutoSwitchWeapons=True
bWeaponBob=True
DodgeClickTime=0.250000
Handedness=1.000000
DesiredFOV=85.000000
DefaultFOV=85.000000

[UnrealGame.UnrealPawn]
bPlayerShadows=${PlayerShadows}
bBlobShadow=${BlobShadow}

[XInterface.ExtendedConsole]
MaxScrollbackSize=128
ConsoleKey=192

[Engine.Input]
Aliases[0]=(Command="Button bFire | Fire",Alias=Fire)
Aliases[1]=(Command="Button bAltFire | AltFire",Alias=AltFire)
Aliases[2]=(Command="Axis aBaseY  Speed=+300.0",Alias=MoveForward)
Aliases[3]=(Command="Axis aBaseY  Speed=-300.0",Alias=MoveBackward)
Aliases[4]=(Command="Axis aStrafe Speed=-300.0",Alias=StrafeLeft)
Aliases[5]=(Command="Axis aStrafe Speed=+300.0",Alias=StrafeRight)
Aliases[6]=(Command="Jump | Axis aUp Speed=+300.0",Alias=Jump)
Aliases[7]=(Command="Button bDuck | Axis aUp Speed=-300.0",Alias=Duck)
W=MoveForward
S=MoveBackward
A=StrafeLeft
D=StrafeRight
Space=Jump
LeftMouse=Fire
RightMouse=AltFire
Tab=Type
Escape=ShowMenu
F12=shot
MouseX=Count bXAxis | Axis aMouseX Speed=6.0
MouseY=Count bYAxis | Axis aMouseY Speed=6.0
)";

constexpr const char* kFlybyExec = R"(stat fps
set Engine.LevelInfo bHighDetailMode True
flush
)";

constexpr const char* kBotmatchExec = R"(stat fps
set XGame.xDeathMatch bAutoNumBots False
set Engine.GameInfo bWeaponStay True
flush
)";

constexpr const char* kFullManifest = R"([Setup]
Product=UT2003
Language=int
Version=2225
Archive=UT2003.exe
SrcPath=.
MasterPath=..
Requires=UT2003Requirement
Group=SetupGroup
Group=GameGroup

[UT2003]
Caption=Unreal Tournament 2003
Developer=Digital Extremes
Publisher=Infogrames
version=2225
Exe=System\UT2003.exe
)";

constexpr const char* kDemoManifest = R"([Setup]
Product=UT2003Demo
Language=int
Version=2206
Archive=UT2003Demo.exe
SrcPath=.
MasterPath=..
Group=SetupGroup
Group=GameGroup

[UT2003]
Caption=Unreal Tournament 2003 Demo
Developer=Digital Extremes
Publisher=Infogrames
version=2206
Exe=System\UT2003.exe
)";

using Values = std::vector<std::pair<std::string, std::string>>;

// The player's own settings, as the game leaves them after its first start.
const Values kGameDetail = {
    {"PhysicsDetailLevel", "PDL_Medium"},
    {"ViewportX", "1024"},
    {"ViewportY", "768"},
    {"MinDesiredFrameRate", "35.000000"},
    {"Effects", "True"},
    {"NoDynamicLights", "False"},
    {"TextureDetail", "High"},
    {"TextureLOD", "0"},
    {"DetailTexMipBias", "0.800000"},
    {"DefaultTexMipBias", "-0.500000"},
    {"UseTripleBuffering", "False"},
    {"UseCompressedLightmaps", "True"},
    {"Use16bit", "False"},
    {"UseVSync", "True"},
    {"Details", "True"},
    {"SuperHighDetailActors", "False"},
};

const Values kMaxDetail = {
    {"PhysicsDetailLevel", "PDL_High"},
    {"ViewportX", "1024"},
    {"ViewportY", "768"},
    {"MinDesiredFrameRate", "0.000000"},
    {"Effects", "True"},
    {"NoDynamicLights", "False"},
    {"TextureDetail", "UltraHigh"},
    {"TextureLOD", "0"},
    {"DetailTexMipBias", "-0.800000"},
    {"DefaultTexMipBias", "-0.800000"},
    {"UseTripleBuffering", "True"},
    {"UseCompressedLightmaps", "False"},
    {"Use16bit", "False"},
    {"UseVSync", "False"},
    {"Details", "True"},
    {"SuperHighDetailActors", "True"},
};

const Values kMinDetail = {
    {"PhysicsDetailLevel", "PDL_Low"},
    {"ViewportX", "640"},
    {"ViewportY", "480"},
    {"MinDesiredFrameRate", "0.000000"},
    {"Effects", "False"},
    {"NoDynamicLights", "True"},
    {"TextureDetail", "UltraLow"},
    {"TextureLOD", "0"},
    {"DetailTexMipBias", "0.800000"},
    {"DefaultTexMipBias", "0.000000"},
    {"UseTripleBuffering", "False"},
    {"UseCompressedLightmaps", "True"},
    {"Use16bit", "True"},
    {"UseVSync", "False"},
    {"Details", "False"},
    {"SuperHighDetailActors", "False"},
};

const Values kShadows = {{"PlayerShadows", "True"}, {"BlobShadow", "False"}};
const Values kNoShadows = {{"PlayerShadows", "False"}, {"BlobShadow", "True"}};

const char* const kFullMaps[] = {
    "DM-Antalus",    "DM-Asbestos",     "CTF-Face3",   "CTF-Citadel",
    "DM-Inferno",    "DOM-SunTemple",   "DM-Phobos2",  "BR-IceFields",
    "DOM-OutRigger", "BR-Anubis",       "CTF-Chimera", "CTF-Maul",
    "DM-Compressed", "DM-TokaraForest", "DM-Plunge",   "DOM-Core",
};
const char* const kDemoMaps[] = {"DM-Antalus", "DM-Asbestos", "CTF-Citadel", "BR-Anubis",
                                 "DOM-SunTemple"};

std::string Filled(std::string text, const Values& values) {
    for (const auto& [name, value] : values) {
        const std::string mark = "${" + name + "}";
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + value.size())) {
            text.replace(at, mark.size(), value);
        }
    }
    return text;
}

std::string SystemIni(const Values& detail, Edition edition) {
    Values values = detail;
    values.emplace_back("Version", GameVersion(edition));
    return WithCrLf(Filled(kSystemIniTemplate, values));
}

std::string UserIni(const Values& shadows) {
    return WithCrLf(Filled(kUserIniTemplate, shadows));
}

}  // namespace

std::vector<std::string> ShippedMaps(Edition edition) {
    if (edition == Edition::Demo) {
        return {std::begin(kDemoMaps), std::end(kDemoMaps)};
    }
    return {std::begin(kFullMaps), std::end(kFullMaps)};
}

std::string GameVersion(Edition edition) {
    return edition == Edition::Full ? "2225" : "2206";
}

std::vector<InstallationFile> InstallationFiles(Edition edition, const InstallOptions& options) {
    std::vector<InstallationFile> files = {
        {"System\\UT2003.ini", SystemIni(kGameDetail, edition)},
        {"System\\User.ini", UserIni(kShadows)},
        {"System\\Manifest.ini",
         WithCrLf(edition == Edition::Full ? kFullManifest : kDemoManifest)},
    };
    if (options.withBenchmarkStuff) {
        files.push_back({"Benchmark\\Stuff\\flybyexec.txt", WithCrLf(kFlybyExec)});
        files.push_back({"Benchmark\\Stuff\\botmatchexec.txt", WithCrLf(kBotmatchExec)});
        files.push_back({"Benchmark\\Stuff\\MaxDetail.ini", SystemIni(kMaxDetail, edition)});
        files.push_back({"Benchmark\\Stuff\\MaxDetailUser.ini", UserIni(kShadows)});
        files.push_back({"Benchmark\\Stuff\\MinDetail.ini", SystemIni(kMinDetail, edition)});
        files.push_back({"Benchmark\\Stuff\\MinDetailUser.ini", UserIni(kNoShadows)});
    }
    if (options.withMaps) {
        for (const std::string& map : ShippedMaps(edition)) {
            std::optional<std::uint32_t> crc;
            if (options.shippedMapChecksums && map == "DM-Antalus") {
                crc = kShippedAntalusCrc;
            } else if (options.shippedMapChecksums && map == "DM-Asbestos") {
                crc = kShippedAsbestosCrc;
            }
            files.push_back({"Maps\\" + map + ".ut2", MakeMapFile(map, crc)});
        }
    }
    return files;
}

std::vector<std::string> InstallationFolders() {
    return {"System", "Maps", "Benchmark", "Benchmark\\Stuff", "Benchmark\\CSVs"};
}

}  // namespace tarvik::simgame
