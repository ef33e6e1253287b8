<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About CVO</source>
        <translation>CVO 정보</translation>
    </message>
    <message>
        <source>System Version

CVO Manager  : </source>
        <translation>시스템 버전

CVO Manager  : </translation>
    </message>
</context>
<context>
    <name>AdminWindow</name>
    <message>
        <source>Select Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>The folder is not writable.
Please specify another folder.</source>
        <translation>폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>저장 오류</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>설정을 &quot;%1&quot;에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>설정 변경</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>변경 사항을 적용하려면 프로그램을 다시 시작해야 합니다.
OK를 클릭하면 프로그램이 종료됩니다.</translation>
    </message>
    <message>
        <source>Select CA File</source>
        <translation>CA 파일 선택</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>인증서 (*.pem *.crt);;모든 파일 (*)</translation>
    </message>
</context>
<context>
    <name>ChannelDetailsView</name>
    <message>
        <source>Choose plot color for channel %1</source>
        <translation>채널 %1 플롯 색상 선택</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>피크</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>적분</translation>
    </message>
</context>
<context>
    <name>ChannelSettingsWidget</name>
    <message>
        <source>Monitoring Zone 1</source>
        <translation>감시 구간 1</translation>
    </message>
    <message>
        <source>Monitoring Zone 2</source>
        <translation>감시 구간 2</translation>
    </message>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>피크 시간 감시</translation>
    </message>
    <message>
        <source>Integral Monitoring</source>
        <translation>적분 감시</translation>
    </message>
    <message>
        <source>Integral to Peak Monitoring</source>
        <translation>피크까지 적분 감시</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>이젝트 감시</translation>
    </message>
    <message>
        <source>Point Monitoring</source>
        <translation>포인트 감시</translation>
    </message>
    <message>
        <source>Slope Monitoring</source>
        <translation>기울기 감시</translation>
    </message>
</context>
<context>
    <name>ChannelShotData</name>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;제목 없음&gt;</translation>
    </message>
</context>
<context>
    <name>CountSpinBox</name>
    <message>
        <source>The stored value is outside the allowed range and is shown limited. It is kept until you change it.</source>
        <translation>저장된 값이 허용 범위를 벗어나 제한된 값으로 표시됩니다. 값을 변경할 때까지 저장된 값은 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>DataViewerWindow</name>
    <message>
        <source>%1: &lt;Untitled&gt;</source>
        <translation>%1: &lt;제목 없음&gt;</translation>
    </message>
    <message>
        <source>No data file is visible: no average and no limits are shown.</source>
        <translation>표시된 데이터 파일이 없어 평균과 상한/하한을 표시하지 않습니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>When the waveform monitoring please send monitoring waveform data.</source>
        <translation>파형 감시를 사용하려면 감시 파형 데이터를 전송하십시오.</translation>
    </message>
    <message>
        <source>Open Wave Data File</source>
        <translation>데이터 파일 열기</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVO 데이터 파일(*.csv)</translation>
    </message>
    <message>
        <source>Select Wave Data File</source>
        <translation>파형 데이터 파일 선택</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>열기 오류</translation>
    </message>
    <message>
        <source>Too many files.
35 or less.</source>
        <translation>파일이 너무 많습니다.
35개 이하로 선택하십시오.</translation>
    </message>
    <message>
        <source>Reading Data File...</source>
        <translation>데이터 파일 읽는 중...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>파일을 열 수 없습니다.
읽기 권한이 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>파일 형식 오류</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Data file.</source>
        <translation>&quot;%1&quot; 파일은 CVO 데이터 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Settings Mismatch Error</source>
        <translation>설정 불일치 오류</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; has different mold settings.</source>
        <translation>&quot;%1&quot; 파일의 설정이 다릅니다.</translation>
    </message>
    <message>
        <source>Not the length of the first file (the statistics use the first file&apos;s length): %1</source>
        <translation>첫 번째 파일과 길이가 다릅니다(통계는 첫 번째 파일의 길이를 사용): %1</translation>
    </message>
    <message>
        <source>Calculating average and standard deviation...</source>
        <translation>데이터 분석 중...</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>저장 오류</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>파일에 쓸 수 없습니다.
폴더 또는 파일의 권한을 확인하십시오.</translation>
    </message>
    <message>
        <source>Save Monitoring Waveform File</source>
        <translation>감시 파형 파일 저장</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to save.</source>
        <translation>저장할 감시 파형 파일 이름을 지정하십시오.</translation>
    </message>
    <message>
        <source>CVO Monitoring Waveform File(*.wavcsv)</source>
        <translation>CVO 감시 파형 파일(*.wavcsv)</translation>
    </message>
    <message>
        <source>Monitoring waveform file has been successfully save.</source>
        <translation>감시 파형 파일을 저장했습니다.</translation>
    </message>
    <message>
        <source>Save Average Data File</source>
        <translation>평균을 데이터 파일로 저장</translation>
    </message>
    <message>
        <source>Specify a average file name to save.</source>
        <translation>저장할 평균 파일 이름을 지정하십시오.</translation>
    </message>
    <message>
        <source>Open Monitoring Waveform File</source>
        <translation>감시 파형 파일 열기</translation>
    </message>
    <message>
        <source>Specify a monitoring waveform file name to open.</source>
        <translation>열 감시 파형 파일 이름을 지정하십시오.</translation>
    </message>
    <message>
        <source>Reading Monitoring Waveform File...</source>
        <translation>감시 파형 파일 읽는 중...</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is not a CVO Monitoring Waveform Data file.</source>
        <translation>&quot;%1&quot; 파일은 CVO 감시 파형 데이터 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>통신 오류</translation>
    </message>
    <message>
        <source>Unable to connect to BU.
Please check the connection.</source>
        <translation>장비에 연결할 수 없습니다.
연결 상태를 확인하십시오.</translation>
    </message>
    <message>
        <source>Sending Monitoring Waveform...</source>
        <translation>감시 파형 전송 중...</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>장비와 통신할 수 없습니다.
연결 상태를 확인하십시오.</translation>
    </message>
    <message>
        <source>Send Monitoring Waveform</source>
        <translation>감시 파형 전송</translation>
    </message>
    <message>
        <source>No monitoring waveform covers the range of these channels, so they were not sent:
%1</source>
        <translation>다음 채널은 범위를 포함하는 감시 파형이 없어 전송하지 않았습니다:
%1</translation>
    </message>
    <message>
        <source>Monitoring waveform data has been successfully sent.</source>
        <translation>감시 파형 데이터를 전송했습니다.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV 내보내기</translation>
    </message>
    <message>
        <source>No data file is shown.</source>
        <translation>표시 중인 데이터 파일이 없습니다.</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWindow</name>
    <message>
        <source>Save Error</source>
        <translation>저장 오류</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot;.</source>
        <translation>설정을 &quot;%1&quot;에 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>FileController</name>
    <message>
        <source>No data folder to record into.</source>
        <translation>기록할 데이터 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Shot lost: the recorder fell behind.</source>
        <translation>샷 누락: 기록 처리가 지연되었습니다.</translation>
    </message>
    <message>
        <source>Cannot record the shot.</source>
        <translation>샷을 기록할 수 없습니다.</translation>
    </message>
    <message>
        <source>CVO Manager started.</source>
        <translation>CVO Manager가 시작되었습니다.</translation>
    </message>
    <message>
        <source>System configuration modified.</source>
        <translation>시스템 설정이 변경되었습니다.</translation>
    </message>
    <message>
        <source>New file generated.</source>
        <translation>새 파일이 생성되었습니다.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateWindow</name>
    <message>
        <source>Firmware Update</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>Firmware File:</source>
        <translation>펌웨어 파일:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>펌웨어 파일 열기</translation>
    </message>
    <message>
        <source>Firmware File(*.mot)</source>
        <translation>펌웨어 파일(*.mot)</translation>
    </message>
    <message>
        <source>Select Firmware File</source>
        <translation>펌웨어 파일 선택</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>열기 오류</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>파일을 열 수 없습니다.
읽기 권한이 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>The file is larger than any firmware image (%1 MiB at most).</source>
        <translation>파일이 펌웨어 이미지 최대 크기(%1 MiB)보다 큽니다.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1행: %2</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>파일 형식 오류</translation>
    </message>
    <message>
        <source>This is not a valid firmware file (Motorola S-records), so nothing was sent to BU.
%1</source>
        <translation>올바른 펌웨어 파일(Motorola S-record)이 아니므로 장비에 아무것도 전송하지 않았습니다.
%1</translation>
    </message>
    <message>
        <source>Firmware update succeeded.</source>
        <translation>펌웨어 업데이트가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Firmware update failed.</source>
        <translation>펌웨어 업데이트에 실패했습니다.</translation>
    </message>
</context>
<context>
    <name>GLPlotArea</name>
    <message>
        <source>Time:%1s
</source>
        <translation>시간:%1s
</translation>
    </message>
</context>
<context>
    <name>GLPlotData</name>
    <message>
        <source>&lt;untitled&gt; : %1[%2]</source>
        <translation>&lt;제목 없음&gt; : %1[%2]</translation>
    </message>
</context>
<context>
    <name>GLPlotView</name>
    <message>
        <source>Hand tool</source>
        <translation>이동 도구</translation>
    </message>
    <message>
        <source>Single channel zoom tool</source>
        <translation>단일 채널 확대 도구</translation>
    </message>
    <message>
        <source>All channel zoom tool</source>
        <translation>전체 채널 확대 도구</translation>
    </message>
    <message>
        <source>Cursor tool</source>
        <translation>커서 도구</translation>
    </message>
    <message>
        <source>Integral cursor tool</source>
        <translation>적분 커서 도구</translation>
    </message>
    <message>
        <source>Monitoring zone edit tool</source>
        <translation>감시 구간 편집 도구</translation>
    </message>
    <message>
        <source>Point monitoring edit tool</source>
        <translation>포인트 감시 편집 도구</translation>
    </message>
    <message>
        <source>Range edit tool</source>
        <translation>범위 편집 도구</translation>
    </message>
    <message>
        <source>Monitoring waveform edit tool</source>
        <translation>감시 파형 편집 도구</translation>
    </message>
    <message>
        <source>Zoom out to full scale</source>
        <translation>전체 보기로 축소</translation>
    </message>
    <message>
        <source>Zoom out horizontally to full scale</source>
        <translation>가로 전체 보기로 축소</translation>
    </message>
    <message>
        <source>Zoom in current channel verticallly to fit</source>
        <translation>현재 채널 세로 맞춤 확대</translation>
    </message>
    <message>
        <source>Zoom in all channel vertically to fit</source>
        <translation>전체 채널 세로 맞춤 확대</translation>
    </message>
    <message>
        <source>Show/Hide Overwrite</source>
        <translation>중첩 표시/숨기기</translation>
    </message>
    <message>
        <source>Show/Hide Monitoring zone</source>
        <translation>감시 구간 표시/숨기기</translation>
    </message>
    <message>
        <source>Show/Hide Point monitoring zone</source>
        <translation>포인트 감시 구간 표시/숨기기</translation>
    </message>
    <message>
        <source>Show/Hide Reference waveform</source>
        <translation>기준 파형 표시/숨기기</translation>
    </message>
    <message>
        <source>Show/Hide monitoring waveform</source>
        <translation>감시 파형 표시/숨기기</translation>
    </message>
    <message>
        <source>PERIOD: %1s</source>
        <translation>측정 시간: %1s</translation>
    </message>
    <message>
        <source>  SAMPLING RATE: %1ms</source>
        <translation>  샘플링 간격: %1ms</translation>
    </message>
    <message>
        <source>  REFERENCE:N/A</source>
        <translation>  기준 파형: N/A</translation>
    </message>
    <message>
        <source>  REFERENCE:</source>
        <translation>  기준 파형: </translation>
    </message>
    <message>
        <source>  MOLD:N/A</source>
        <translation>  설정: N/A</translation>
    </message>
    <message>
        <source>  MOLD:</source>
        <translation>  설정: </translation>
    </message>
</context>
<context>
    <name>IOTestDialog</name>
    <message>
        <source>Communication Failure</source>
        <translation>통신 오류</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>장비와 통신할 수 없습니다.
연결 상태를 확인하십시오.</translation>
    </message>
</context>
<context>
    <name>LimitSuggestionDialog</name>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reading the shot logs...</source>
        <translation>샷 로그를 읽는 중...</translation>
    </message>
    <message>
        <source>too few shots</source>
        <translation>샷 수 부족</translation>
    </message>
    <message>
        <source> (clipped to the settable range)</source>
        <translation> (설정 가능 범위로 제한됨)</translation>
    </message>
    <message>
        <source>Shots used: %1 OK shots of the current settings (%2).</source>
        <translation>사용한 샷: 현재 설정의 OK 샷 %1개 (%2).</translation>
    </message>
    <message>
        <source>Only %1 OK shots of the current settings in the shot logs: at least %2 are needed.</source>
        <translation>샷 로그에 현재 설정의 OK 샷이 %1개뿐입니다: 최소 %2개가 필요합니다.</translation>
    </message>
    <message>
        <source>Fewer OK shots than asked for: %1 used.</source>
        <translation>OK 샷이 지정한 수보다 적습니다: %1개 사용.</translation>
    </message>
    <message>
        <source>%1 damaged lines skipped.</source>
        <translation>손상된 %1줄을 건너뛰었습니다.</translation>
    </message>
    <message>
        <source>No enabled item of this channel can be suggested.</source>
        <translation>이 채널에는 제안할 수 있는 사용 중인 항목이 없습니다.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>데이터</translation>
    </message>
    <message>
        <source>Mmc</source>
        <translation>성형기</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Destination folder is not writable.
Data will be saved to &quot;%1&quot;.</source>
        <translation>저장 폴더에 쓸 수 없습니다.
데이터는 &quot;%1&quot;에 저장됩니다.</translation>
    </message>
    <message>
        <source>Destination folder is missing.
Data will be saved to &quot;%1&quot;.</source>
        <translation>저장 폴더가 없습니다.
데이터는 &quot;%1&quot;에 저장됩니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>WDT:%1</source>
        <translation>WDT:%1</translation>
    </message>
    <message>
        <source>BU Reset Detected</source>
        <translation>장비 리셋 감지</translation>
    </message>
    <message>
        <source>Configuration will be re-read from BU.</source>
        <translation>장비에서 설정을 다시 읽습니다.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>설정 변경</translation>
    </message>
    <message>
        <source>The applicaiton must be restarted for the changes to take effect.
Click OK to quit the application.</source>
        <translation>변경 사항을 적용하려면 프로그램을 다시 시작해야 합니다.
OK를 클릭하면 프로그램이 종료됩니다.</translation>
    </message>
    <message>
        <source>Out of version</source>
        <translation>버전 불일치</translation>
    </message>
    <message>
        <source>Please update the version of firmware application to the latest version.</source>
        <translation>펌웨어를 최신 버전으로 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Please update the version of this measurement application to the latest version.</source>
        <translation>이 측정 프로그램을 최신 버전으로 업데이트하십시오.</translation>
    </message>
    <message>
        <source>Can not connect to BU Control port</source>
        <translation>장비 제어 포트에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>Please check the connection and BU is powered up.
When BU is ready, please re-launch this application.
You can only use waveform editor function if BU is not ready.</source>
        <translation>연결 상태와 장비 전원이 켜져 있는지 확인하십시오.
장비가 준비되면 이 프로그램을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>감시 모드</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>유지보수 모드</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>기록 중</translation>
    </message>
    <message>
        <source>Open Reference Wave Data File</source>
        <translation>기준 파형 파일 열기</translation>
    </message>
    <message>
        <source>CVO Data File(*.csv)</source>
        <translation>CVO 데이터 파일(*.csv)</translation>
    </message>
    <message>
        <source>USB Port Open Error</source>
        <translation>USB 포트 열기 오류</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check the connection.</source>
        <translation>USB 포트를 열 수 없습니다.
연결 상태를 확인하십시오.</translation>
    </message>
    <message>
        <source>Open Error</source>
        <translation>열기 오류</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>기준 파형 파일을 열 수 없습니다.
읽기 권한이 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>File Format Error</source>
        <translation>파일 형식 오류</translation>
    </message>
    <message>
        <source>This is not CVO Data file.
</source>
        <translation>이 파일은 CVO 데이터 파일이 아닌 것 같습니다.
</translation>
    </message>
    <message>
        <source>Save Stopped</source>
        <translation>부족 : 저장 중지</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>적음</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending Mold Configuration...</source>
        <translation>설정 전송 중...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Communication Failure</source>
        <translation>통신 오류</translation>
    </message>
    <message>
        <source>Unable to communicate with BU.
Please check the connection.</source>
        <translation>장비와 통신할 수 없습니다.
연결 상태를 확인하십시오.</translation>
    </message>
    <message>
        <source>BU Clock Sync</source>
        <translation>장비 시계 동기화</translation>
    </message>
    <message>
        <source>BU clock successfully synchronized.</source>
        <translation>장비 시계를 이 PC와 동기화했습니다.</translation>
    </message>
    <message>
        <source>BU clock synchronization failed.</source>
        <translation>시계 동기화에 실패했습니다.</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>MQTT (%1 queued)</source>
        <translation>MQTT (대기 %1)</translation>
    </message>
</context>
<context>
    <name>MoldConfigWindow</name>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
</context>
<context>
    <name>MoldFileController</name>
    <message>
        <source>Open Error</source>
        <translation>열기 오류</translation>
    </message>
    <message>
        <source>Can not open the file.
Please check whether you have permission to read.</source>
        <translation>파일을 열 수 없습니다.
읽기 권한이 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>파일 오류</translation>
    </message>
    <message>
        <source>This file does not seem to be valid.
</source>
        <translation>올바른 파일이 아닌 것 같습니다.
</translation>
    </message>
    <message>
        <source>This file seems to be corrupted.
</source>
        <translation>파일이 손상된 것 같습니다.
</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>저장 오류</translation>
    </message>
    <message>
        <source>Can not write to the file.
Please specify a file path you have permission to write.</source>
        <translation>파일에 쓸 수 없습니다.
폴더 또는 파일의 권한을 확인하십시오.</translation>
    </message>
    <message>
        <source>Open Mold Configuration File</source>
        <translation>설정 파일 열기</translation>
    </message>
    <message>
        <source>Select Mold Configuration File</source>
        <translation>설정 파일 선택</translation>
    </message>
    <message>
        <source>Save Mold Configuration File</source>
        <translation>설정 파일 저장</translation>
    </message>
    <message>
        <source>Specify a file name to save.</source>
        <translation>저장할 파일 이름을 지정하십시오.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Settings file name must be 16 characters or less.</source>
        <translation>설정 파일 이름은 16자 이하여야 합니다.</translation>
    </message>
    <message>
        <source>Mold Configuration File(*.xml)</source>
        <translation>설정 파일(*.xml)</translation>
    </message>
</context>
<context>
    <name>MoldMachineSettingsDialog</name>
    <message>
        <source>Save Error</source>
        <translation>저장 오류</translation>
    </message>
    <message>
        <source>Can not save the file.
%1</source>
        <translation>파일을 저장할 수 없습니다.
%1</translation>
    </message>
</context>
<context>
    <name>MqttPublisher</name>
    <message>
        <source>The publish queue &quot;%1&quot; cannot be opened: %2</source>
        <translation>전송 대기열 "%1"을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>No answer from the broker</source>
        <translation>브로커의 응답이 없습니다</translation>
    </message>
    <message>
        <source>The broker closed the connection</source>
        <translation>브로커가 연결을 끊었습니다</translation>
    </message>
    <message>
        <source>The MQTT client could not be created</source>
        <translation>MQTT 클라이언트를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>TLS cannot be set up with &quot;%1&quot;: %2</source>
        <translation>"%1"(으)로 TLS를 설정할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2</source>
        <translation>%1:%2에 연결 중</translation>
    </message>
    <message>
        <source>Broker %1:%2 not reachable: %3</source>
        <translation>브로커 %1:%2에 연결할 수 없습니다: %3</translation>
    </message>
    <message>
        <source>Connected to %1:%2</source>
        <translation>%1:%2에 연결됨</translation>
    </message>
    <message>
        <source>Broker %1:%2 refused the connection: %3</source>
        <translation>브로커 %1:%2이(가) 연결을 거부했습니다: %3</translation>
    </message>
</context>
<context>
    <name>PlotExport</name>
    <message>
        <source>The plot could not be written to &quot;%1&quot;.</source>
        <translation>그래프를 "%1"에 쓸 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PlotExportPrompt</name>
    <message>
        <source>Export Plot</source>
        <translation>그래프 내보내기</translation>
    </message>
    <message>
        <source>PNG image (*.png);;PDF document (*.pdf)</source>
        <translation>PNG 이미지 (*.png);;PDF 문서 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PressureSensorWidget</name>
    <message>
        <source>Channel Settings</source>
        <translation>채널 및 센서 설정</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>채널 이름</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>센서 감도</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>형상</translation>
    </message>
    <message>
        <source>Radius[mm]</source>
        <translation>직경[mm]</translation>
    </message>
    <message>
        <source>Width[mm]</source>
        <translation>폭[mm]</translation>
    </message>
    <message>
        <source>height[mm]</source>
        <translation>높이[mm]</translation>
    </message>
    <message>
        <source>Area[sqmm]</source>
        <translation>면적[sqmm]</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>원형</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>SensorSpecSensor200DegC</source>
        <translation>1:100MPa 센서
2:200MPa 센서
4:버튼형 센서 50N
5:버튼형 센서 200N
6:버튼형 센서 1000N
7:버튼형 센서 (고온 200℃) 50N
8:버튼형 센서 (고온 200℃) 200N
9:버튼형 센서 (고온 200℃) 1000N
A:버튼형 센서 (고온 200℃) 4kN
B:버튼형 센서 (고온 200℃) 16kN</translation>
    </message>
    <message>
        <source>SensorSpec</source>
        <translation>1:100MPa 센서
2:200MPa 센서
4:버튼형 센서 50N
5:버튼형 센서 200N
6:버튼형 센서 1000N</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>C</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>MPa</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>mV</source>
        <translation>mV</translation>
    </message>
    <message>
        <source>Cs</source>
        <translation>℃s</translation>
    </message>
    <message>
        <source>MPas</source>
        <translation>MPas</translation>
    </message>
    <message>
        <source>Vs</source>
        <translation>Vs</translation>
    </message>
    <message>
        <source>&lt;Pseudo-resister&gt;</source>
        <translation>&lt;가상 센서&gt;</translation>
    </message>
    <message>
        <source>MODULE %1</source>
        <translation>모듈 %1</translation>
    </message>
</context>
<context>
    <name>SRecordCheck</name>
    <message>
        <source>The file is empty.</source>
        <translation>파일이 비어 있습니다.</translation>
    </message>
    <message>
        <source>Records follow the termination record.</source>
        <translation>종료 레코드 뒤에 레코드가 있습니다.</translation>
    </message>
    <message>
        <source>The file holds no data record (S1, S2 or S3).</source>
        <translation>파일에 데이터 레코드(S1, S2 또는 S3)가 없습니다.</translation>
    </message>
    <message>
        <source>The file does not end with a termination record (S7, S8 or S9): it may be cut short.</source>
        <translation>파일이 종료 레코드(S7, S8 또는 S9)로 끝나지 않습니다: 파일이 잘렸을 수 있습니다.</translation>
    </message>
    <message>
        <source>The line is longer than any S-record.</source>
        <translation>행이 S-record 최대 길이보다 깁니다.</translation>
    </message>
    <message>
        <source>The line is not an S-record.</source>
        <translation>S-record 형식의 행이 아닙니다.</translation>
    </message>
    <message>
        <source>S4 is a reserved record type.</source>
        <translation>S4는 예약된 레코드 유형입니다.</translation>
    </message>
    <message>
        <source>The byte count is not a hexadecimal number.</source>
        <translation>바이트 수가 16진수가 아닙니다.</translation>
    </message>
    <message>
        <source>The byte count says %1 bytes, the line holds %2 characters after it.</source>
        <translation>바이트 수는 %1바이트이지만, 행에는 그 뒤에 %2자가 있습니다.</translation>
    </message>
    <message>
        <source>The record is too short for its address and checksum.</source>
        <translation>레코드가 주소와 체크섬을 담기에 너무 짧습니다.</translation>
    </message>
    <message>
        <source>The termination record carries data.</source>
        <translation>종료 레코드에 데이터가 있습니다.</translation>
    </message>
    <message>
        <source>The record holds a character that is not hexadecimal.</source>
        <translation>레코드에 16진수가 아닌 문자가 있습니다.</translation>
    </message>
    <message>
        <source>The checksum is %1, the record&apos;s bytes give %2.</source>
        <translation>체크섬은 %1이지만 레코드 바이트로 계산한 값은 %2입니다.</translation>
    </message>
</context>
<context>
    <name>SlopeEditorWidget</name>
    <message>
        <source>Slope Monitoring</source>
        <translation>기울기 감시</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>값:</translation>
    </message>
</context>
<context>
    <name>SystemConfigReader</name>
    <message>
        <source>Reading Configuration from BU</source>
        <translation>장비에서 설정 읽는 중</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TSecEditorWidget</name>
    <message>
        <source>Point Monitoring</source>
        <translation>포인트 감시</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>값:</translation>
    </message>
</context>
<context>
    <name>TimeEditSpinBox</name>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>TimeRangeEditorWidget</name>
    <message>
        <source>Peak Time Monitoring</source>
        <translation>피크 시간 감시</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
</context>
<context>
    <name>TrendChart</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NG</source>
        <translation>NG</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>한계값</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>Shot (oldest to newest)</source>
        <translation>샷 (오래된 순)</translation>
    </message>
</context>
<context>
    <name>TrendCsv</name>
    <message>
        <source>the disk is full</source>
        <translation>디스크가 가득 찼습니다</translation>
    </message>
</context>
<context>
    <name>TrendItems</name>
    <message>
        <source>Peak</source>
        <translation>피크</translation>
    </message>
    <message>
        <source>Time at peak</source>
        <translation>피크 시간</translation>
    </message>
    <message>
        <source>Value at point</source>
        <translation>포인트 값</translation>
    </message>
    <message>
        <source>Peak over eject</source>
        <translation>이젝트 구간 피크</translation>
    </message>
    <message>
        <source>Integral</source>
        <translation>적분</translation>
    </message>
    <message>
        <source>Integral to peak</source>
        <translation>피크까지 적분</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>기울기</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>TrendsWindow</name>
    <message>
        <source>CH%1: %2</source>
        <translation>CH%1: %2</translation>
    </message>
    <message>
        <source>Reading the shot logs...</source>
        <translation>샷 로그를 읽는 중...</translation>
    </message>
    <message>
        <source>No shot log of the settings &quot;%1&quot; in %2.</source>
        <translation>%2에 설정 &quot;%1&quot;의 샷 로그가 없습니다.</translation>
    </message>
    <message>
        <source>Skipped: %1 damaged lines, %2 shots without this channel.</source>
        <translation>건너뜀: 손상된 줄 %1, 이 채널이 없는 샷 %2.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Shot %1, %2, %3</source>
        <translation>샷 %1, %2, %3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NG</source>
        <translation>NG</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>차트 내보내기</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Export Values</source>
        <translation>값 내보내기</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>Value32EditSpinBox</name>
    <message>
        <source>MPa/S</source>
        <translation>MPa/S</translation>
    </message>
</context>
<context>
    <name>ValueEditorBase</name>
    <message>
        <source>to</source>
        <translation>~</translation>
    </message>
</context>
<context>
    <name>ValueRangeEditorWidget</name>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>값:</translation>
    </message>
</context>
<context>
    <name>ZoneEditorWidget</name>
    <message>
        <source>Monitoring Zone</source>
        <translation>감시 구간</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>피크</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>면적</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>방식:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>값:</translation>
    </message>
</context>
<context>
    <name>adminWindow</name>
    <message>
        <source>Administration</source>
        <translation>관리</translation>
    </message>
    <message>
        <source>Measuring Equipment</source>
        <translation>측정 장비</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>성형기 시리얼 포트</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>데이터</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>저장 위치:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Rotate Data File at</source>
        <translation>데이터 파일 전환 시각</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Savedata Type</source>
        <translation>저장 데이터 종류</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>로그</translation>
    </message>
    <message>
        <source>Alarm Wave</source>
        <translation>알람 파형</translation>
    </message>
    <message>
        <source>All Wave</source>
        <translation>전체 파형</translation>
    </message>
    <message>
        <source>Publish Shot Results (MQTT)</source>
        <translation>샷 결과 게시 (MQTT)</translation>
    </message>
    <message>
        <source>Broker:</source>
        <translation>브로커:</translation>
    </message>
    <message>
        <source>TLS</source>
        <translation>TLS</translation>
    </message>
    <message>
        <source>Verify the broker&apos;s certificate</source>
        <translation>브로커 인증서 확인</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA 파일:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>사용자:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>Topic prefix:</source>
        <translation>토픽 접두사:</translation>
    </message>
    <message>
        <source>Station:</source>
        <translation>스테이션:</translation>
    </message>
</context>
<context>
    <name>channelSettingsWidget</name>
    <message>
        <source>In Use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Not Used</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>&lt;Untitled&gt;</source>
        <translation>&lt;제목 없음&gt;</translation>
    </message>
    <message>
        <source>Sensitivity:</source>
        <translation>감도:</translation>
    </message>
    <message>
        <source>00000A</source>
        <translation>00000A</translation>
    </message>
    <message>
        <source>Apply to All Channels of the Module</source>
        <translation>모듈의 모든 채널에 적용</translation>
    </message>
    <message>
        <source>zone1</source>
        <translation>구간 1</translation>
    </message>
    <message>
        <source>zone2</source>
        <translation>구간 2</translation>
    </message>
    <message>
        <source>tsec</source>
        <translation>포인트 감시</translation>
    </message>
    <message>
        <source>peaktime</source>
        <translation>피크 시간 감시</translation>
    </message>
    <message>
        <source>peak integral</source>
        <translation>적분</translation>
    </message>
    <message>
        <source>interal</source>
        <translation>피크까지 적분</translation>
    </message>
    <message>
        <source>Eject Monitoring</source>
        <translation>이젝트 감시</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>기울기</translation>
    </message>
    <message>
        <source>Waveform Monitoring</source>
        <translation>파형 감시</translation>
    </message>
    <message>
        <source>Monitor with reference waveform</source>
        <translation>기준 파형으로 감시</translation>
    </message>
    <message>
        <source>Edit Waveform</source>
        <translation>파형 편집</translation>
    </message>
    <message>
        <source>Suggest limits</source>
        <translation>한계값 제안</translation>
    </message>
</context>
<context>
    <name>dataViewerWindow</name>
    <message>
        <source>Data Viewer/Reference Data Editor</source>
        <translation>데이터 뷰어/감시 파형 편집기</translation>
    </message>
    <message>
        <source> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</source>
        <translation> QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top left; left: 10px;}</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>채널:</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>Smoothing Level:</source>
        <translation>스무딩 레벨:</translation>
    </message>
    <message>
        <source>Save Average as Reference</source>
        <translation>평균을 기준 파형으로 저장</translation>
    </message>
    <message>
        <source>Monitoring Waveform Range</source>
        <translation>감시 파형 시간 범위</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>시작:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>종료:</translation>
    </message>
    <message>
        <source>Upper Limit</source>
        <translation>상한</translation>
    </message>
    <message>
        <source>Sigma:</source>
        <translation>시그마:</translation>
    </message>
    <message>
        <source>Minimum Offset:</source>
        <translation>최소 오프셋:</translation>
    </message>
    <message>
        <source>Time Allowance:</source>
        <translation>시간 허용치:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Lower Limit</source>
        <translation>하한</translation>
    </message>
    <message>
        <source>Minimum Data Offset:</source>
        <translation>최소 오프셋:</translation>
    </message>
    <message>
        <source>Open Data File</source>
        <translation>데이터 파일 열기</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>감시 파형 불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>감시 파형 저장</translation>
    </message>
    <message>
        <source>Overwrite save</source>
        <translation>덮어쓰기 저장</translation>
    </message>
    <message>
        <source>Send to BU</source>
        <translation>장비로 전송</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>그래프 내보내기</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV 내보내기</translation>
    </message>
</context>
<context>
    <name>displaySettingsDialog</name>
    <message>
        <source>Display Settings</source>
        <translation>표시 설정</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>중첩 표시</translation>
    </message>
    <message>
        <source>times</source>
        <translation>회</translation>
    </message>
    <message>
        <source>Clear overwrite when its count reaches max</source>
        <translation>중첩 횟수가 최대에 도달하면 모두 지우기</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>불투명도:</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>그리드</translation>
    </message>
    <message>
        <source>Reference Waveform</source>
        <translation>기준 파형</translation>
    </message>
    <message>
        <source>Peak Time Monitoring Range</source>
        <translation>피크 시간 감시 범위</translation>
    </message>
    <message>
        <source>Pressure Display</source>
        <translation>압력 표시</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>풀 스케일:</translation>
    </message>
</context>
<context>
    <name>ioTestDialog</name>
    <message>
        <source>Input</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>BU Port Test</source>
        <translation>장비 포트 테스트</translation>
    </message>
</context>
<context>
    <name>limitSuggestionDialog</name>
    <message>
        <source>Suggest Limits</source>
        <translation>한계값 제안</translation>
    </message>
    <message>
        <source>Mean ± k σ, k:</source>
        <translation>평균 ± k σ, k:</translation>
    </message>
    <message>
        <source>Last OK shots, N:</source>
        <translation>최근 OK 샷 수 N:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>현재</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>제안</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>샷</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>σ</source>
        <translation>σ</translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Cavo Monitoring System</source>
        <translation>Cavo 감시 시스템</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>알람</translation>
    </message>
    <message>
        <source>Shot#:</source>
        <translation>샷 수:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <source>OK shot:</source>
        <translation>OK 샷:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>NG shot:</source>
        <translation>NG 샷:</translation>
    </message>
    <message>
        <source>MONITOR MODE</source>
        <translation>감시 모드</translation>
    </message>
    <message>
        <source>MAINTENANCE MODE</source>
        <translation>유지보수 모드</translation>
    </message>
    <message>
        <source>ZERO RESET</source>
        <translation>영점 리셋</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>LOAD REFERENCE</source>
        <translation>기준 파형 불러오기</translation>
    </message>
    <message>
        <source>DATA VIEWER</source>
        <translation>파형 편집기</translation>
    </message>
    <message>
        <source>ABORT SHOT</source>
        <translation>샷 중단</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>디버그</translation>
    </message>
    <message>
        <source>Debug2</source>
        <translation>디버그2</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>디스크 공간</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Open Mold File...</source>
        <translation>설정 파일 열기...</translation>
    </message>
    <message>
        <source>Open Referece Data File...</source>
        <translation>기준 파형 불러오기...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>About CVO...</source>
        <translation>소프트웨어 버전...</translation>
    </message>
    <message>
        <source>I/O Test...</source>
        <translation>I/O 테스트...</translation>
    </message>
    <message>
        <source>Sync BU Clock</source>
        <translation>장비 시계 동기화</translation>
    </message>
    <message>
        <source>Synchronize BU clock with host</source>
        <translation>장비 시계를 이 PC와 동기화</translation>
    </message>
    <message>
        <source>Display Settings...</source>
        <translation>표시 설정...</translation>
    </message>
    <message>
        <source>Plot display settings</source>
        <translation>플롯 표시 설정</translation>
    </message>
    <message>
        <source>Administration...</source>
        <translation>관리...</translation>
    </message>
    <message>
        <source>Firmware Update...</source>
        <translation>펌웨어 업데이트...</translation>
    </message>
    <message>
        <source>Update the firmware of the device</source>
        <translation>장비 펌웨어 업데이트</translation>
    </message>
    <message>
        <source>Mold Machine...</source>
        <translation>성형기 설정...</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Set application interface language English</source>
        <translation>인터페이스 언어로 영어 사용</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>中文 (繁體)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>中文 (简体)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Dark (High Contrast)</source>
        <translation>어둡게 (고대비)</translation>
    </message>
    <message>
        <source>Dark high-contrast colours for dim halls</source>
        <translation>어두운 작업장을 위한 고대비 어두운 색상</translation>
    </message>
    <message>
        <source>TRENDS</source>
        <translation>트렌드</translation>
    </message>
    <message>
        <source>Export Plot...</source>
        <translation>그래프 내보내기...</translation>
    </message>
</context>
<context>
    <name>moduleSettingsWidget</name>
    <message>
        <source>Enabled</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Module Name:</source>
        <translation>모듈 이름:</translation>
    </message>
    <message>
        <source>KRT24 Specific Configuration</source>
        <translation>KRT24 전용 설정</translation>
    </message>
    <message>
        <source>Connect pseudo-resister to channel 4 &amp;&amp; 8</source>
        <translation>채널 4 &amp;&amp; 8에 가상 센서 연결</translation>
    </message>
    <message>
        <source>Disable D/A Output</source>
        <translation>D/A 출력 사용 안 함</translation>
    </message>
    <message>
        <source>ZRB Specific Configuration</source>
        <translation>ZRB 설정</translation>
    </message>
    <message>
        <source>Mold temperature compensation</source>
        <translation>금형 온도 보정</translation>
    </message>
    <message>
        <source>celsius</source>
        <translation>℃</translation>
    </message>
    <message>
        <source>ZRB-TC310 Alert Temperature:</source>
        <translation>ZRB-TC310 경보 온도:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>~</translation>
    </message>
</context>
<context>
    <name>moldConfigWindow</name>
    <message>
        <source>Dialog</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Read from BU</source>
        <translation>장비에서 읽기</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>열기...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>moldMachineSettingsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>성형기 설정</translation>
    </message>
</context>
<context>
    <name>settingsChooserDialog</name>
    <message>
        <source>Choose Settings</source>
        <translation>설정 선택</translation>
    </message>
    <message>
        <source>The settings of the equipment named below are different from the one saved on this PC.</source>
        <translation>아래 이름으로 저장된 설정이 장비와 이 PC 간에 서로 다릅니다.</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Default_Settings.xml</translation>
    </message>
    <message>
        <source>Please choose either to overwrite the equipment with the settings on the PC, or to overwrite the file on the PC with the settings of the equipment.</source>
        <translation>어느 쪽 설정을 덮어쓸지 선택하십시오.</translation>
    </message>
    <message>
        <source>Overwrite Equipment</source>
        <translation>장비 덮어쓰기</translation>
    </message>
    <message>
        <source>Overwrite File</source>
        <translation>파일 덮어쓰기</translation>
    </message>
</context>
<context>
    <name>systemSettingsWidget</name>
    <message>
        <source>Measurement Settings</source>
        <translation>측정 설정</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>측정 시간:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sampling Rate:</source>
        <translation>샘플링 간격:</translation>
    </message>
    <message>
        <source>1ms</source>
        <translation>1ms</translation>
    </message>
    <message>
        <source>5ms</source>
        <translation>5ms</translation>
    </message>
    <message>
        <source>10ms</source>
        <translation>10ms</translation>
    </message>
    <message>
        <source>20ms</source>
        <translation>20ms</translation>
    </message>
    <message>
        <source>Start Trigger</source>
        <translation>시작 트리거</translation>
    </message>
    <message>
        <source>Edge:</source>
        <translation>엣지:</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>상승</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>하강</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>지연:</translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation>알람 설정</translation>
    </message>
    <message>
        <source>Use Alarm</source>
        <translation>알람 사용</translation>
    </message>
    <message>
        <source>Clear By Trigger</source>
        <translation>트리거로 해제</translation>
    </message>
    <message>
        <source>Clear Alarm By Timer</source>
        <translation>타이머로 해제</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
    <message>
        <source>Alarm Out Port</source>
        <translation>알람 출력 포트</translation>
    </message>
    <message>
        <source>Watch1</source>
        <translation>구간 1</translation>
    </message>
    <message>
        <source>Alarm(OUT1)</source>
        <translation>OUT1 알람</translation>
    </message>
    <message>
        <source>External Control(OUT3)</source>
        <translation>OUT3 외부 제어</translation>
    </message>
    <message>
        <source>Watch2</source>
        <translation>구간 2</translation>
    </message>
</context>
<context>
    <name>trendsWindow</name>
    <message>
        <source>Trends</source>
        <translation>트렌드</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>채널:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>항목:</translation>
    </message>
    <message>
        <source>Last shots</source>
        <translation>최근 샷</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>to</source>
        <translation>~</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>다시 읽기</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Shots:</source>
        <translation>샷 수:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>평균:</translation>
    </message>
    <message>
        <source>σ (sample):</source>
        <translation>σ (표본):</translation>
    </message>
    <message>
        <source>Lower limit:</source>
        <translation>하한:</translation>
    </message>
    <message>
        <source>Upper limit:</source>
        <translation>상한:</translation>
    </message>
    <message>
        <source>Cp:</source>
        <translation>Cp:</translation>
    </message>
    <message>
        <source>Cpk:</source>
        <translation>Cpk:</translation>
    </message>
    <message>
        <source>Export PNG...</source>
        <translation>PNG 내보내기...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV 내보내기...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
