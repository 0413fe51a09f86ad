<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ActivationRules</name>
    <message>
        <source>请输入六位数字密码</source>
        <translation>Enter a 6-digit password</translation>
    </message>
    <message>
        <source>密码输入不一致</source>
        <translation>The passwords do not match</translation>
    </message>
    <message>
        <source>请输入八位wifi密码</source>
        <translation>Enter a Wi-Fi password of at least 8 characters</translation>
    </message>
    <message>
        <source>激活成功</source>
        <translation>Activated</translation>
    </message>
    <message>
        <source>请重置初始热点密码</source>
        <translation>Set a new hotspot password</translation>
    </message>
    <message>
        <source>激活失败</source>
        <translation>Activation failed</translation>
    </message>
</context>
<context>
    <name>ApnParamWnd</name>
    <message>
        <source>拨号参数</source>
        <translation>Dial-up settings</translation>
    </message>
    <message>
        <source>wifi和拨号不能同时启用</source>
        <translation>Wi-Fi and dial-up cannot be enabled together</translation>
    </message>
    <message>
        <source>拨号使能</source>
        <translation>Enable dial-up</translation>
    </message>
    <message>
        <source>网络制式</source>
        <translation>Network mode</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>4G</source>
        <translation>4G</translation>
    </message>
    <message>
        <source>3G</source>
        <translation>3G</translation>
    </message>
    <message>
        <source>ESIM卡号</source>
        <translation>eSIM card number</translation>
    </message>
    <message>
        <source>APN参数</source>
        <translation>APN settings</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>拨号号码</source>
        <translation>Dial number</translation>
    </message>
    <message>
        <source>拨号用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>拨号密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>拨号MTU</source>
        <translation>MTU</translation>
    </message>
    <message>
        <source>身份验证类型</source>
        <translation>Authentication</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>CHAP</source>
        <translation>CHAP</translation>
    </message>
    <message>
        <source>PAP</source>
        <translation>PAP</translation>
    </message>
    <message>
        <source>CHAP/PAP</source>
        <translation>CHAP/PAP</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>MTU值的范围是1~65535</source>
        <translation>MTU must be 1 to 65535</translation>
    </message>
    <message>
        <source>名称不能为空</source>
        <translation>The APN must not be empty</translation>
    </message>
</context>
<context>
    <name>BatchInitDlg</name>
    <message>
        <source>设备激活</source>
        <translation>Device activation</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Device password</translation>
    </message>
    <message>
        <source>新密码：</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>确认密码：</source>
        <translation>Confirm password:</translation>
    </message>
    <message>
        <source>AP密码</source>
        <translation>Hotspot (AP) password</translation>
    </message>
    <message>
        <source>开始识别设备</source>
        <translation>Recognise devices</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>激活状态</source>
        <translation>Activation state</translation>
    </message>
    <message>
        <source>人员编号</source>
        <translation>Officer ID</translation>
    </message>
    <message>
        <source>设备编号</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>未识别到设备，请检查连接。</source>
        <translation>No device recognised, check the connection.</translation>
    </message>
    <message>
        <source>正在识别设备，请稍候...</source>
        <translation>Recognising devices, please wait...</translation>
    </message>
    <message>
        <source>未识别到设备，请检查连接</source>
        <translation>No device recognised, check the connection</translation>
    </message>
    <message>
        <source>已激活</source>
        <translation>Already activated</translation>
    </message>
    <message>
        <source>未激活</source>
        <translation>Not activated</translation>
    </message>
</context>
<context>
    <name>CLoginWidget</name>
    <message>
        <source>请输入密码</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>输入的密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>设备已锁定</source>
        <translation>Device locked. Try again in </translation>
    </message>
    <message>
        <source>秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>正在退出，请稍候...</source>
        <translation>Exiting, please wait...</translation>
    </message>
    <message>
        <source>正在识别设备，请稍候...</source>
        <translation>Recognizing devices, please wait...</translation>
    </message>
    <message>
        <source>正在加载，请稍候...</source>
        <translation>Loading, please wait...</translation>
    </message>
    <message>
        <source>登录失败，请重启后再登录</source>
        <translation>Login failed. Restart the device and log in again</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Password cannot be empty</translation>
    </message>
    <message>
        <source>登录中，请稍候...</source>
        <translation>Logging in, please wait...</translation>
    </message>
</context>
<context>
    <name>CameraConfigWnd</name>
    <message>
        <source>CameraConfigWnd</source>
        <translation>CameraConfigWnd</translation>
    </message>
    <message>
        <source>编码参数</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>录像参数</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>加密参数</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>音视频类型</source>
        <translation>Audio/Video</translation>
    </message>
    <message>
        <source>照片参数</source>
        <translation>Photo</translation>
    </message>
</context>
<context>
    <name>ChargeTimes</name>
    <message>
        <source>ChargeTimes</source>
        <translation>ChargeTimes</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuan</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>CheckBox</name>
    <message>
        <source>CheckBox</source>
        <translation>CheckBox</translation>
    </message>
    <message>
        <source>label:</source>
        <translation>label:</translation>
    </message>
</context>
<context>
    <name>DeviceChangeWnd</name>
    <message>
        <source>设备ID：</source>
        <translation>Dev ID:</translation>
    </message>
    <message>
        <source>人员ID：</source>
        <translation>User ID:</translation>
    </message>
    <message>
        <source>用 户 手 册</source>
        <translation>User Manual</translation>
    </message>
</context>
<context>
    <name>DeviceConfigureWnd</name>
    <message>
        <source>参数初始化中，请稍候...</source>
        <translation>Reading the parameters, please wait...</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>相机配置</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>系统配置</source>
        <translation>System</translation>
    </message>
    <message>
        <source>网络连接</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>网络应用</source>
        <translation>Platforms</translation>
    </message>
    <message>
        <source>拓展参数</source>
        <translation>Extended Parameters</translation>
    </message>
    <message>
        <source>系统维护</source>
        <translation>Maintenance</translation>
    </message>
</context>
<context>
    <name>DeviceMessageWnd</name>
    <message>
        <source>DeviceMessageWnd</source>
        <translation>DeviceMessageWnd</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>User information</translation>
    </message>
    <message>
        <source>人员ID</source>
        <translation>Officer ID</translation>
    </message>
    <message>
        <source>输入不得超过32字节数</source>
        <translation>At most 32 bytes</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>设备版本</source>
        <translation>Device version</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>DownLoadWnd</name>
    <message>
        <source>下载管理</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>已下载</source>
        <translation>Downloaded</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>下载进程</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>下载中，请稍候...</source>
        <translation>Downloading, please wait...</translation>
    </message>
    <message>
        <source>下载时间</source>
        <translation>Downloaded at</translation>
    </message>
    <message>
        <source>下载失败，磁盘空间不足</source>
        <translation>Failed: not enough disk space</translation>
    </message>
    <message>
        <source>下载失败，未知错误</source>
        <translation>Failed: unknown error</translation>
    </message>
    <message>
        <source>清空列表</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>隐藏下载列表</source>
        <translation>Hide the download list</translation>
    </message>
</context>
<context>
    <name>DownLoadWndDelegate</name>
    <message>
        <source>重新下载</source>
        <translation>Retry</translation>
    </message>
</context>
<context>
    <name>DynamicFormMgt</name>
    <message>
        <source>DynamicFormMgt</source>
        <translation>DynamicFormMgt</translation>
    </message>
</context>
<context>
    <name>EditTable</name>
    <message>
        <source>EditTable</source>
        <translation>EditTable</translation>
    </message>
    <message>
        <source>GroupBox</source>
        <translation>GroupBox</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>反选</source>
        <translation>Invert</translation>
    </message>
</context>
<context>
    <name>EncryptParamWnd</name>
    <message>
        <source>EncryptParamWnd</source>
        <translation>EncryptParamWnd</translation>
    </message>
    <message>
        <source>通道号</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>录像分辨率@帧率</source>
        <translation>Recording resolution@frame rate</translation>
    </message>
    <message>
        <source>录像码率</source>
        <translation>Recording bit rate</translation>
    </message>
    <message>
        <source>录像流类型</source>
        <translation>Recording stream type</translation>
    </message>
    <message>
        <source>网传分辨率@帧率</source>
        <translation>Network resolution@frame rate</translation>
    </message>
    <message>
        <source>网传码率</source>
        <translation>Network bit rate</translation>
    </message>
    <message>
        <source>网传流类型</source>
        <translation>Network stream type</translation>
    </message>
    <message>
        <source>视频编码类型</source>
        <translation>Video encoding</translation>
    </message>
    <message>
        <source>必须小于等于录像分辨率@帧率</source>
        <translation>Must not exceed the recording resolution@frame rate</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>视频流</source>
        <translation>Video stream</translation>
    </message>
    <message>
        <source>复合流</source>
        <translation>Composite stream</translation>
    </message>
    <message>
        <source>配置参数异常，请重试。</source>
        <translation>Invalid configuration parameters, please try again.</translation>
    </message>
</context>
<context>
    <name>FaceTdaConfigWnd</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>MQ推送方式</source>
        <translation>MQ push</translation>
    </message>
    <message>
        <source>URL解密</source>
        <translation>URL decryption</translation>
    </message>
    <message>
        <source>云存储替换</source>
        <translation>Cloud storage</translation>
    </message>
    <message>
        <source>HTTPS协议</source>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TDA服务IP</source>
        <translation>TDA service IP</translation>
    </message>
    <message>
        <source>TDA服务端口</source>
        <translation>TDA service port</translation>
    </message>
    <message>
        <source>MQ服务IP</source>
        <translation>MQ service IP</translation>
    </message>
    <message>
        <source>MQ服务端口</source>
        <translation>MQ service port</translation>
    </message>
    <message>
        <source>云存储服务IP</source>
        <translation>Cloud storage IP</translation>
    </message>
    <message>
        <source>云存储服务端口</source>
        <translation>Cloud storage port</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>FactoryResetWidget</name>
    <message>
        <source>恢复出厂设置</source>
        <translation>Factory Reset</translation>
    </message>
    <message>
        <source>人员ID</source>
        <translation>Officer ID</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Enter the password</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>FtpConfigWnd</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>上传视频</source>
        <translation>Upload video</translation>
    </message>
    <message>
        <source>上传图片</source>
        <translation>Upload pictures</translation>
    </message>
    <message>
        <source>上传录音</source>
        <translation>Upload recordings</translation>
    </message>
    <message>
        <source>上传后删除</source>
        <translation>Delete after upload</translation>
    </message>
    <message>
        <source>FTP服务IP</source>
        <translation>FTP server IP</translation>
    </message>
    <message>
        <source>FTP服务端口</source>
        <translation>FTP server port</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>GroupBox</name>
    <message>
        <source>GroupBox</source>
        <translation>GroupBox</translation>
    </message>
</context>
<context>
    <name>GroupTalkConfigWnd</name>
    <message>
        <source>启 用</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>7220</source>
        <translation>7220</translation>
    </message>
    <message>
        <source>GTK</source>
        <translation>GTK</translation>
    </message>
    <message>
        <source>服务器IP</source>
        <translation>Server IP</translation>
    </message>
    <message>
        <source>端  口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>密  码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>待修改密码</source>
        <translation>Password to change</translation>
    </message>
    <message>
        <source>新用户首次登陆群对讲平台需强制修改密码，故首次登陆需要填写“待修改密码”一栏，其他情况下可只填“密码”一栏。
	新用户：指平台新添加的用户名或者进行过密码复位操作的用户名。
</source>
        <translation>A new user must change the password at the first log-on to the group-talk platform, so fill in &quot;Password to change&quot; for the first log-on; otherwise filling in &quot;Password&quot; is enough.
	New user: a user name newly added on the platform, or one whose password was reset.
</translation>
    </message>
    <message>
        <source>当前对讲组</source>
        <translation>Talk group</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>只需在设备提示需要验证码的时候设置</source>
        <translation>Set it only when the device asks for a verification code</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>新旧密码不可相同</source>
        <translation>The new password must differ from the old one</translation>
    </message>
</context>
<context>
    <name>HintWnd</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>InitWidget</name>
    <message>
        <source>设备激活</source>
        <translation>Device activation</translation>
    </message>
    <message>
        <source>设备密码</source>
        <translation>Device password</translation>
    </message>
    <message>
        <source>新密码：</source>
        <translation>New:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>确认密码：</source>
        <translation>Confirm:</translation>
    </message>
    <message>
        <source>AP密码</source>
        <translation>Hotspot password</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>label:</source>
        <translation>label:</translation>
    </message>
</context>
<context>
    <name>JsonFormPage</name>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>LoadingPlugin</name>
    <message>
        <source>正在加载，请稍后...</source>
        <translation>Loading, please wait...</translation>
    </message>
</context>
<context>
    <name>LocalSettingWnd</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source> 本地配置</source>
        <translation> Local settings</translation>
    </message>
    <message>
        <source>本地文件保存目录：</source>
        <translation>Download folder:</translation>
    </message>
    <message>
        <source>日志保存目录：</source>
        <translation>Log folder:</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>LogMsgWnd</name>
    <message>
        <source>时间：</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm:ss</source>
        <translation>yyyy-MM-dd HH:mm:ss</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>共 </source>
        <translation>Total </translation>
    </message>
    <message>
        <source> 条</source>
        <translation> entries</translation>
    </message>
    <message>
        <source>  第 </source>
        <translation>  Page </translation>
    </message>
    <message>
        <source> 页</source>
        <translation> </translation>
    </message>
    <message>
        <source>每页显示 </source>
        <translation>Per page </translation>
    </message>
    <message>
        <source>到第 </source>
        <translation>Go to page </translation>
    </message>
    <message>
        <source>跳转</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>详细信息</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>正在加载，请稍候...</source>
        <translation>Loading, please wait...</translation>
    </message>
    <message>
        <source>未找到日志</source>
        <translation>No logs found</translation>
    </message>
    <message>
        <source>开始时间不能大于结束时间</source>
        <translation>The start time cannot be after the end time</translation>
    </message>
    <message>
        <source>没有符合条件的日志信息</source>
        <translation>No log entries match</translation>
    </message>
    <message>
        <source>未输入页数</source>
        <translation>Enter a page number</translation>
    </message>
    <message>
        <source>页数超出范围</source>
        <translation>Page number out of range</translation>
    </message>
    <message>
        <source>日志导出中，请稍候...</source>
        <translation>Exporting the logs, please wait...</translation>
    </message>
    <message>
        <source>磁盘空间不足，导出失败</source>
        <translation>Not enough disk space; export failed</translation>
    </message>
    <message>
        <source>日志导出失败</source>
        <translation>Log export failed</translation>
    </message>
    <message>
        <source>日志导出结束</source>
        <translation>Logs exported</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>末页</source>
        <translation>Last page</translation>
    </message>
</context>
<context>
    <name>LoginListItem</name>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>人员ID</source>
        <translation>Officer ID</translation>
    </message>
</context>
<context>
    <name>LoginWidgetNew</name>
    <message>
        <source>LoginWidget</source>
        <translation>LoginWidget</translation>
    </message>
    <message>
        <source>Vantrel</source>
        <translation>Vantrel</translation>
    </message>
    <message>
        <source>批量激活</source>
        <translation>Batch activate</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>重新识别</source>
        <translation>Recognize again</translation>
    </message>
    <message>
        <source>开始识别设备</source>
        <translation>Recognize devices</translation>
    </message>
    <message>
        <source>未识别到设备，请检查连接。</source>
        <translation>No device recognized. Check the connection.</translation>
    </message>
    <message>
        <source>重新识别设备</source>
        <translation>Recognize again</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>人员ID</source>
        <translation>Officer ID</translation>
    </message>
    <message>
        <source>输入管理员密码</source>
        <translation>Administrator password</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Forgot password</translation>
    </message>
</context>
<context>
    <name>LogoTagWnd</name>
    <message>
        <source>本地导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Choose picture</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>下发</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>发送上传文件命令失败</source>
        <translation>Failed to send the upload command</translation>
    </message>
    <message>
        <source>请选择分辨率为320*216的24位深bmp文件</source>
        <translation>Choose a 320*216 24-bit BMP file</translation>
    </message>
    <message>
        <source>下发LOGO失败</source>
        <translation>Failed to send the logo</translation>
    </message>
    <message>
        <source>LOGO已下发！</source>
        <translation>Logo sent!</translation>
    </message>
</context>
<context>
    <name>LumaroConfigWnd</name>
    <message>
        <source>Lumaro开关</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台</source>
        <translation>Only one of TARVIO, QUENSA, GB and Lumaro can be enabled</translation>
    </message>
    <message>
        <source>Lumaro验证码</source>
        <translation>Lumaro code</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>6-8位数字、字母</source>
        <translation>6 to 8 digits or letters</translation>
    </message>
</context>
<context>
    <name>LumaroV3ConfigWnd</name>
    <message>
        <source>Lumaro开关</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台</source>
        <translation>Only one of TARVIO, QUENSA, GB and Lumaro can be enabled</translation>
    </message>
    <message>
        <source>Lumaro验证码</source>
        <translation>Lumaro code</translation>
    </message>
    <message>
        <source>加密使能</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>加密秘钥</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>弱密码</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>中密码</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>强密码</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>风险密码</source>
        <translation>Risky</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>正在退出，请稍候...</source>
        <translation>Exiting, please wait...</translation>
    </message>
</context>
<context>
    <name>MainWindowEx</name>
    <message>
        <source>媒体信息</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>设备配置</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>日志信息</source>
        <translation>Device Logs</translation>
    </message>
    <message>
        <source>切换U盘模式</source>
        <translation>USB Disk Mode</translation>
    </message>
    <message>
        <source>当前版本：</source>
        <translation>Version: </translation>
    </message>
</context>
<context>
    <name>MediaDownLoadWnd</name>
    <message>
        <source>文件下载</source>
        <translation>Download Files</translation>
    </message>
    <message>
        <source>已选文件：</source>
        <translation>Selected files:</translation>
    </message>
    <message>
        <source>本地文件保存目录</source>
        <translation>Local folder for the files</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>MediaMessageWndEx</name>
    <message>
        <source>时间：</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>视频</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>音频</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>未选中任何文件</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>正在检索媒体信息，请稍候...</source>
        <translation>Retrieving the media list, please wait...</translation>
    </message>
    <message>
        <source>列表更新失败</source>
        <translation>The list could not be updated</translation>
    </message>
    <message>
        <source>未检索到媒体文件</source>
        <translation>No media files found</translation>
    </message>
    <message>
        <source>正在更新列表，请稍候...</source>
        <translation>Updating the list, please wait...</translation>
    </message>
    <message>
        <source>未检索到符合条件的媒体文件</source>
        <translation>No media files match the filter</translation>
    </message>
    <message>
        <source>开始时间不能大于结束时间</source>
        <translation>The start time cannot be later than the end time</translation>
    </message>
    <message>
        <source>下载选中的文件</source>
        <translation>Download the selected files</translation>
    </message>
</context>
<context>
    <name>NameTagWnd</name>
    <message>
        <source>底色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>白色</source>
        <translation>White</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>选择背景模板</source>
        <translation>Choose template</translation>
    </message>
    <message>
        <source>第一行</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>行一</source>
        <translation>Line one</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>加粗</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>第二行</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>行二</source>
        <translation>Line two</translation>
    </message>
    <message>
        <source>第三行</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>行三</source>
        <translation>Line three</translation>
    </message>
    <message>
        <source>第四行</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>位置重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>本地导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>选择铭牌图</source>
        <translation>Choose name tag</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>下发</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>发送上传文件命令失败</source>
        <translation>Failed to send the upload command</translation>
    </message>
    <message>
        <source>请选择分辨率为250*122的24位深bmp文件</source>
        <translation>Choose a 250*122 24-bit BMP file</translation>
    </message>
    <message>
        <source>刷新设备屏幕失败</source>
        <translation>Failed to refresh the device screen</translation>
    </message>
    <message>
        <source>屏幕刷新中...请稍后！</source>
        <translation>Refreshing the screen... please wait!</translation>
    </message>
</context>
<context>
    <name>NetChecks</name>
    <message>
        <source>非法的IP</source>
        <translation>Invalid IP</translation>
    </message>
    <message>
        <source>非法的域名</source>
        <translation>Invalid domain name</translation>
    </message>
    <message>
        <source>端口号的范围是1~65535</source>
        <translation>The port must be 1 to 65535</translation>
    </message>
    <message>
        <source>不能为空</source>
        <translation>Must not be empty</translation>
    </message>
    <message>
        <source>请输入不超过32个英文、字符或16个中文</source>
        <translation>Enter at most 32 English characters or 16 Chinese characters</translation>
    </message>
</context>
<context>
    <name>NetworkProWnd</name>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi静态IP</source>
        <translation>Wi-Fi Static IP</translation>
    </message>
    <message>
        <source>拨号</source>
        <translation>Dial-up</translation>
    </message>
</context>
<context>
    <name>OSDSConfigWnd</name>
    <message>
        <source>OSDSConfigWnd</source>
        <translation>OSDSConfigWnd</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>OSD1</source>
        <translation>OSD1</translation>
    </message>
    <message>
        <source>OSD2</source>
        <translation>OSD2</translation>
    </message>
    <message>
        <source>OSD3</source>
        <translation>OSD3</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>PayRuleDynamicForm</name>
    <message>
        <source>PayRuleDynamicForm</source>
        <translation>PayRuleDynamicForm</translation>
    </message>
</context>
<context>
    <name>PicParamWnd</name>
    <message>
        <source>PicParamWnd</source>
        <translation>PicParamWnd</translation>
    </message>
    <message>
        <source>图片质量</source>
        <translation>Picture quality</translation>
    </message>
    <message>
        <source>5MP</source>
        <translation>5MP</translation>
    </message>
    <message>
        <source>16MP</source>
        <translation>16MP</translation>
    </message>
    <message>
        <source>30MP</source>
        <translation>30MP</translation>
    </message>
    <message>
        <source>40MP</source>
        <translation>40MP</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>PlaneConfigWnd</name>
    <message>
        <source>下发车牌库</source>
        <translation>Send plate library</translation>
    </message>
    <message>
        <source>车牌库</source>
        <translation>Plate library</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>发送上传文件命令失败</source>
        <translation>Failed to send the upload command</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>发送更新指令成功</source>
        <translation>Update command sent</translation>
    </message>
    <message>
        <source>发送更新指令失败</source>
        <translation>Failed to send the update command</translation>
    </message>
    <message>
        <source>设备拒绝更新指令</source>
        <translation>The device refused the update command</translation>
    </message>
</context>
<context>
    <name>PlatServerPage</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>服务IP</source>
        <translation>Server IP</translation>
    </message>
    <message>
        <source>服务端口</source>
        <translation>Server port</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>PlateConfigWnd</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台</source>
        <translation>Only one of TARVIO, QUENSA, GB and Lumaro can be enabled at a time</translation>
    </message>
    <message>
        <source>强制子码流</source>
        <translation>Force sub-stream</translation>
    </message>
    <message>
        <source>图片自动上传</source>
        <translation>Auto-upload pictures</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>启用域名</source>
        <translation>Use domain</translation>
    </message>
    <message>
        <source>域名</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>GPS上传间隔</source>
        <translation>GPS upload interval</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>GPS上传间隔的范围是1~99</source>
        <translation>The GPS upload interval must be 1 to 99</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>PlatformTabs</name>
    <message>
        <source>QUENSA、国标 、Lumaro同时只可启用一个平台</source>
        <translation>Only one of QUENSA, GB and Lumaro can be enabled at a time</translation>
    </message>
</context>
<context>
    <name>PlatformWnd</name>
    <message>
        <source>TARVIO</source>
        <translation>TARVIO</translation>
    </message>
    <message>
        <source>FTP</source>
        <translation>FTP</translation>
    </message>
    <message>
        <source>QUENSA</source>
        <translation>QUENSA</translation>
    </message>
    <message>
        <source>国标平台</source>
        <translation>GB Platform</translation>
    </message>
    <message>
        <source>1400平台</source>
        <translation>1400 Platform</translation>
    </message>
    <message>
        <source>群对讲</source>
        <translation>Group Talk</translation>
    </message>
    <message>
        <source>自定义平台</source>
        <translation>Custom Platform</translation>
    </message>
    <message>
        <source>人脸平台</source>
        <translation>Face Platform</translation>
    </message>
    <message>
        <source>Lumaro</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>RTMP</source>
        <translation>RTMP</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>PwdRecoverWidget</name>
    <message>
        <source>返回登录界面</source>
        <translation>Back to log-in</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>人员ID</source>
        <translation>Officer ID</translation>
    </message>
    <message>
        <source>第一步：</source>
        <translation>Step 1:</translation>
    </message>
    <message>
        <source>请导出DeviceKey.xml，联系并发送给软件制造商以获得加密文件；</source>
        <translation>Export DeviceKey.xml and send it to the software maker to obtain the encrypted file.</translation>
    </message>
    <message>
        <source>导出文件</source>
        <translation>Export file</translation>
    </message>
    <message>
        <source>验证失败</source>
        <translation>Validation failed</translation>
    </message>
    <message>
        <source>第二步：</source>
        <translation>Step 2:</translation>
    </message>
    <message>
        <source>请导入从制造商处获得的加密文件Encrypt.xml，即可恢复设备缺省密码；</source>
        <translation>Import the encrypted file Encrypt.xml from the maker to restore the device&apos;s default password.</translation>
    </message>
    <message>
        <source>文件导入：</source>
        <translation>Import file:</translation>
    </message>
    <message>
        <source>验证加密</source>
        <translation>Validate</translation>
    </message>
    <message>
        <source>验证加密失败</source>
        <translation>Validation failed</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
    <message>
        <source>正在导出文件...</source>
        <translation>Exporting the file...</translation>
    </message>
    <message>
        <source>文件导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>文件导出成功</source>
        <translation>Export done</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>xml(*.xml)</source>
        <translation>XML files (*.xml)</translation>
    </message>
    <message>
        <source>加密文件读取失败</source>
        <translation>The encrypted file cannot be read</translation>
    </message>
    <message>
        <source>验证加密成功</source>
        <translation>Validation done</translation>
    </message>
</context>
<context>
    <name>QPasswordWithEye</name>
    <message>
        <source>显示密码</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>Hide password</translation>
    </message>
</context>
<context>
    <name>RadioGroup</name>
    <message>
        <source>RadioGroup</source>
        <translation>RadioGroup</translation>
    </message>
    <message>
        <source>label:</source>
        <translation>label:</translation>
    </message>
</context>
<context>
    <name>SIPParamWnd</name>
    <message>
        <source>启用注册</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台</source>
        <translation>Only one of TARVIO, QUENSA, GB28181 and Lumaro can be enabled at a time</translation>
    </message>
    <message>
        <source>服务器ID</source>
        <translation>Server ID</translation>
    </message>
    <message>
        <source>服务器域</source>
        <translation>Server domain</translation>
    </message>
    <message>
        <source>注册服务器地址</source>
        <translation>Registrar address</translation>
    </message>
    <message>
        <source>注册服务器端口</source>
        <translation>Registrar port</translation>
    </message>
    <message>
        <source>本地IP</source>
        <translation>Local IP</translation>
    </message>
    <message>
        <source>本地端口</source>
        <translation>Local port</translation>
    </message>
    <message>
        <source>码流索引</source>
        <translation>Stream</translation>
    </message>
    <message>
        <source>主码流</source>
        <translation>Main stream</translation>
    </message>
    <message>
        <source>子码流</source>
        <translation>Sub stream</translation>
    </message>
    <message>
        <source>对讲模式</source>
        <translation>Talk mode</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>注册有效期</source>
        <translation>Registration expiry</translation>
    </message>
    <message>
        <source>发送心跳间隔</source>
        <translation>Heartbeat interval</translation>
    </message>
    <message>
        <source>最大心跳超时次数</source>
        <translation>Max heartbeat time-outs</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>视频通道号</source>
        <translation>Video channel ID</translation>
    </message>
    <message>
        <source>报警通道号</source>
        <translation>Alarm channel ID</translation>
    </message>
    <message>
        <source>信令交互协议</source>
        <translation>Signalling transport</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SafeConfigWnd</name>
    <message>
        <source>SaveConfigWnd</source>
        <translation>SaveConfigWnd</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Old password</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>确认密码</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>输入的密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>The password cannot be empty</translation>
    </message>
    <message>
        <source>6位数字</source>
        <translation>6 digits</translation>
    </message>
    <message>
        <source>请输入六位密码</source>
        <translation>Enter a six-digit password</translation>
    </message>
    <message>
        <source>新旧密码不可相同</source>
        <translation>The new password must differ from the old one</translation>
    </message>
    <message>
        <source>密码输入不一致</source>
        <translation>The passwords do not match</translation>
    </message>
</context>
<context>
    <name>Select</name>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>label:</source>
        <translation>label:</translation>
    </message>
</context>
<context>
    <name>SystemConfigWnd</name>
    <message>
        <source>SystemConfigWnd</source>
        <translation>SystemConfigWnd</translation>
    </message>
    <message>
        <source>时间参数</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>系统参数</source>
        <translation>System parameters</translation>
    </message>
</context>
<context>
    <name>SystemMaintenWnd</name>
    <message>
        <source>设备操作</source>
        <translation>Device Operations</translation>
    </message>
    <message>
        <source>恢复参数</source>
        <translation>Restore Parameters</translation>
    </message>
    <message>
        <source>恢复设备默认参数</source>
        <translation>Restore the device defaults</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>系统重置</source>
        <translation>System Reset</translation>
    </message>
    <message>
        <source>重置所有参数</source>
        <translation>Reset all parameters</translation>
    </message>
    <message>
        <source>恢复出厂设置</source>
        <translation>Factory Reset</translation>
    </message>
    <message>
        <source>格式化</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>删除设备上存储的所有文件</source>
        <translation>Delete every file stored on the device</translation>
    </message>
    <message>
        <source>格式化设备存储</source>
        <translation>Format Storage</translation>
    </message>
    <message>
        <source>上传升级包</source>
        <translation>Upload Upgrade Package</translation>
    </message>
    <message>
        <source>升级文件：</source>
        <translation>Upgrade file:</translation>
    </message>
    <message>
        <source>选择升级包</source>
        <translation>Choose Package</translation>
    </message>
    <message>
        <source>升级</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>参数导出</source>
        <translation>Export Parameters</translation>
    </message>
    <message>
        <source>车牌库配置</source>
        <translation>Plate List</translation>
    </message>
    <message>
        <source>名牌图下发</source>
        <translation>Name Tag</translation>
    </message>
    <message>
        <source>LOGO下发</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>软件即将关闭</source>
        <translation>The program will close</translation>
    </message>
    <message>
        <source>恢复设备默认参数失败</source>
        <translation>Restoring the device defaults failed</translation>
    </message>
    <message>
        <source>恢复出厂设置操作失败</source>
        <translation>Factory reset failed</translation>
    </message>
    <message>
        <source>格式化存储操作失败</source>
        <translation>Formatting the storage failed</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>发送上传文件结束命令失败</source>
        <translation>Failed to send the upload command</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>发送更新指令失败</source>
        <translation>Failed to send the update command</translation>
    </message>
    <message>
        <source>发送更新指令成功</source>
        <translation>Update command sent</translation>
    </message>
    <message>
        <source>设备拒绝更新指令</source>
        <translation>The device refused the update command</translation>
    </message>
</context>
<context>
    <name>SystemParamWnd</name>
    <message>
        <source>SystemParamWnd</source>
        <translation>SystemParamWnd</translation>
    </message>
    <message>
        <source>蓝牙</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>振动</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>防抖</source>
        <translation>Anti-shake</translation>
    </message>
    <message>
        <source>GPS叠加</source>
        <translation>GPS overlay</translation>
    </message>
    <message>
        <source>图片自动上传</source>
        <translation>Auto picture upload</translation>
    </message>
    <message>
        <source>调试模式</source>
        <translation>Debug mode</translation>
    </message>
    <message>
        <source>快充</source>
        <translation>Quick charge</translation>
    </message>
    <message>
        <source>提示音</source>
        <translation>Prompt tone</translation>
    </message>
    <message>
        <source>U盘只读</source>
        <translation>USB drive read-only</translation>
    </message>
    <message>
        <source>Gsensor报警</source>
        <translation>G-sensor alarm</translation>
    </message>
    <message>
        <source>定时拍照</source>
        <translation>Timed photo</translation>
    </message>
    <message>
        <source>防抖模式</source>
        <translation>Anti-shake mode</translation>
    </message>
    <message>
        <source>水平模式</source>
        <translation>Horizontal mode</translation>
    </message>
    <message>
        <source>FPV模式</source>
        <translation>FPV mode</translation>
    </message>
    <message>
        <source>对讲音频格式</source>
        <translation>Intercom audio format</translation>
    </message>
    <message>
        <source>G722_1</source>
        <translation>G722_1</translation>
    </message>
    <message>
        <source>G711_MU</source>
        <translation>G711_MU</translation>
    </message>
    <message>
        <source>G711_A</source>
        <translation>G711_A</translation>
    </message>
    <message>
        <source>GPS上传间隔</source>
        <translation>GPS upload interval</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>通道名称</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>定位设置</source>
        <translation>Positioning</translation>
    </message>
    <message>
        <source>屏幕保护时间</source>
        <translation>Screen saver</translation>
    </message>
    <message>
        <source>系统音</source>
        <translation>System sound</translation>
    </message>
    <message>
        <source>操作密码</source>
        <translation>Operation password</translation>
    </message>
    <message>
        <source>LED指示灯</source>
        <translation>LED indicator</translation>
    </message>
    <message>
        <source>GPS校时</source>
        <translation>GPS time sync</translation>
    </message>
    <message>
        <source>低电量告警阈值</source>
        <translation>Low-battery alarm threshold</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>北斗</source>
        <translation>BeiDou</translation>
    </message>
    <message>
        <source>混合</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>30秒</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>2分钟</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>5分钟</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10分钟</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>5秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>60秒</source>
        <translation>60 s</translation>
    </message>
</context>
<context>
    <name>TabPane</name>
    <message>
        <source>TabPane</source>
        <translation>TabPane</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>TabWidget</source>
        <translation>TabWidget</translation>
    </message>
</context>
<context>
    <name>TableInput</name>
    <message>
        <source>TableInput</source>
        <translation>TableInput</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuan</translation>
    </message>
</context>
<context>
    <name>TableNumberSection</name>
    <message>
        <source>TableNumberSection</source>
        <translation>TableNumberSection</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>min</translation>
    </message>
    <message>
        <source>——</source>
        <translation>——</translation>
    </message>
    <message>
        <source>第%1行开始时段与第%2行结束时段不相等!</source>
        <translation>The start of row %1 does not match the end of row %2!</translation>
    </message>
    <message>
        <source>第%1行结束时段不能小于第%1行开始时段!</source>
        <translation>In row %1 the end cannot be earlier than the start!</translation>
    </message>
</context>
<context>
    <name>TableTimePicker</name>
    <message>
        <source>TableTimePicker</source>
        <translation>TableTimePicker</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>——</source>
        <translation>——</translation>
    </message>
    <message>
        <source>第%1行开始时间不能小于第%2行结束时间！</source>
        <translation>The start of row %1 cannot be earlier than the end of row %2!</translation>
    </message>
</context>
<context>
    <name>TarvioConfigWnd</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>TARVIO、QUENSA、国标 、Lumaro同时只可启用一个平台</source>
        <translation>Only one of TARVIO, QUENSA, GB and Lumaro can be enabled at a time</translation>
    </message>
    <message>
        <source>强制子码流</source>
        <translation>Force sub-stream</translation>
    </message>
    <message>
        <source>服务IP</source>
        <translation>Server IP</translation>
    </message>
    <message>
        <source>服务端口</source>
        <translation>Server port</translation>
    </message>
    <message>
        <source>设备ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>设备名称</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>秘钥</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>TimPlateConfigWnd</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>域名</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>服务名</source>
        <translation>Service name</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>服务包长</source>
        <translation>Packet length</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>TimeConfigWnd</name>
    <message>
        <source>时间校时</source>
        <translation>Time Calibration</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>时区</source>
        <translation>Time Zone</translation>
    </message>
    <message>
        <source>自动校时</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>手动校时</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>夏时制</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>First</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Third</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Fourth</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>00</source>
        <translation>00</translation>
    </message>
    <message>
        <source>01</source>
        <translation>01</translation>
    </message>
    <message>
        <source>02</source>
        <translation>02</translation>
    </message>
    <message>
        <source>03</source>
        <translation>03</translation>
    </message>
    <message>
        <source>04</source>
        <translation>04</translation>
    </message>
    <message>
        <source>05</source>
        <translation>05</translation>
    </message>
    <message>
        <source>06</source>
        <translation>06</translation>
    </message>
    <message>
        <source>07</source>
        <translation>07</translation>
    </message>
    <message>
        <source>08</source>
        <translation>08</translation>
    </message>
    <message>
        <source>09</source>
        <translation>09</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>second</source>
        <translation>second</translation>
    </message>
    <message>
        <source>偏差</source>
        <translation>Bias</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>当前不支持时间设置</source>
        <translation>The device does not support setting the time</translation>
    </message>
</context>
<context>
    <name>TimePicker</name>
    <message>
        <source>TimePicker</source>
        <translation>TimePicker</translation>
    </message>
    <message>
        <source>label:</source>
        <translation>label:</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
</context>
<context>
    <name>TreeItemDelegate</name>
    <message>
        <source>文件数:</source>
        <translation>Files:</translation>
    </message>
</context>
<context>
    <name>UcBase</name>
    <message>
        <source>请配置:%1</source>
        <translation>Please configure: %1</translation>
    </message>
</context>
<context>
    <name>UploadFlow</name>
    <message>
        <source>上传文件失败</source>
        <translation>File upload failed</translation>
    </message>
    <message>
        <source>设备不支持</source>
        <translation>Not supported by the device</translation>
    </message>
    <message>
        <source>文件发送中...</source>
        <translation>Sending file...</translation>
    </message>
    <message>
        <source>上传文件成功</source>
        <translation>File uploaded</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>图片文件异常</source>
        <translation>The picture file could not be written</translation>
    </message>
    <message>
        <source>等待设备应答...</source>
        <translation>Waiting for the device's answer...</translation>
    </message>
</context>
<context>
    <name>UsbModeWnd</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>模式切换</source>
        <translation>Switch mode</translation>
    </message>
    <message>
        <source>确定要切换成U盘模式吗？</source>
        <translation>Switch the device to USB-disk mode?</translation>
    </message>
    <message>
        <source>进入U盘模式后，软件将自动退出，正在进行的操作都将中止。</source>
        <translation>In USB-disk mode the program exits and every operation in progress stops.</translation>
    </message>
    <message>
        <source>切换U盘模式失败</source>
        <translation>Switching to USB-disk mode failed</translation>
    </message>
</context>
<context>
    <name>VideoConfigWnd</name>
    <message>
        <source>VideoConfigWnd</source>
        <translation>VideoConfigWnd</translation>
    </message>
    <message>
        <source>循环录像</source>
        <translation>Loop recording</translation>
    </message>
    <message>
        <source>开机录像</source>
        <translation>Record at power-on</translation>
    </message>
    <message>
        <source>3D数字降噪</source>
        <translation>3D noise reduction</translation>
    </message>
    <message>
        <source>强制录像</source>
        <translation>Forced recording</translation>
    </message>
    <message>
        <source>视频遮蔽报警</source>
        <translation>Video-cover alarm</translation>
    </message>
    <message>
        <source>编码类型</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>录像格式</source>
        <translation>Recording format</translation>
    </message>
    <message>
        <source>红外设置</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>预录时间</source>
        <translation>Pre-record time</translation>
    </message>
    <message>
        <source>延时录像时间</source>
        <translation>Delayed recording time</translation>
    </message>
    <message>
        <source>录像分段时间</source>
        <translation>Segment length</translation>
    </message>
    <message>
        <source>MP4格式下不支持预录</source>
        <translation>No pre-recording in MP4 format</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>5分钟</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10分钟</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>20分钟</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>3秒</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>5秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>60秒</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>MP4格式不支持H265</source>
        <translation>MP4 does not support H.265</translation>
    </message>
</context>
<context>
    <name>VideoPackConfigWnd</name>
    <message>
        <source>VideoPackConfigWnd</source>
        <translation>VideoPackConfigWnd</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>音频类型</source>
        <translation>Audio type</translation>
    </message>
    <message>
        <source>G711_MU</source>
        <translation>G711_MU</translation>
    </message>
    <message>
        <source>G711_A</source>
        <translation>G711_A</translation>
    </message>
    <message>
        <source>G722_1</source>
        <translation>G722_1</translation>
    </message>
    <message>
        <source>G723</source>
        <translation>G723</translation>
    </message>
    <message>
        <source>MP1L2</source>
        <translation>MP1L2</translation>
    </message>
    <message>
        <source>MP2L2</source>
        <translation>MP2L2</translation>
    </message>
    <message>
        <source>G726</source>
        <translation>G726</translation>
    </message>
    <message>
        <source>AAC</source>
        <translation>AAC</translation>
    </message>
    <message>
        <source>MP1L3</source>
        <translation>MP1L3</translation>
    </message>
    <message>
        <source>ADPCM</source>
        <translation>ADPCM</translation>
    </message>
    <message>
        <source>RAW</source>
        <translation>RAW</translation>
    </message>
    <message>
        <source>视频类型</source>
        <translation>Video type</translation>
    </message>
    <message>
        <source>PS</source>
        <translation>PS</translation>
    </message>
    <message>
        <source>TS</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>RTP</source>
        <translation>RTP</translation>
    </message>
    <message>
        <source>Zorv</source>
        <translation>Zorv</translation>
    </message>
    <message>
        <source>MEGA_PS</source>
        <translation>MEGA_PS</translation>
    </message>
    <message>
        <source>ORG</source>
        <translation>ORG</translation>
    </message>
    <message>
        <source>RTMP</source>
        <translation>RTMP</translation>
    </message>
    <message>
        <source>AVI</source>
        <translation>AVI</translation>
    </message>
    <message>
        <source>MP4</source>
        <translation>MP4</translation>
    </message>
    <message>
        <source>FLV</source>
        <translation>FLV</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>WifiParamWnd</name>
    <message>
        <source>WiFi参数</source>
        <translation>Wi-Fi Settings</translation>
    </message>
    <message>
        <source>wifi和拨号不能同时启用</source>
        <translation>Wi-Fi and dial-up cannot be enabled together</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>WepAsc</source>
        <translation>WepAsc</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>密钥key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>AP热点参数</source>
        <translation>Hotspot Settings</translation>
    </message>
    <message>
        <source>使用默认SSID</source>
        <translation>Default SSID</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Wifi和AP热点不能同时启用</source>
        <translation>Wi-Fi and hotspot cannot be enabled together</translation>
    </message>
    <message>
        <source>SSID不能为空</source>
        <translation>SSID must not be empty</translation>
    </message>
    <message>
        <source>请输入八位wifi密码</source>
        <translation>Enter a Wi-Fi key of at least 8 characters</translation>
    </message>
</context>
<context>
    <name>WifiStaticParamWnd</name>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>IP掩码</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>自动获取DNS</source>
        <translation>Automatic DNS</translation>
    </message>
    <message>
        <source>网关</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>DNS1</source>
        <translation>DNS 1</translation>
    </message>
    <message>
        <source>DNS2</source>
        <translation>DNS 2</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>非法的IP地址</source>
        <translation>Invalid IP address</translation>
    </message>
    <message>
        <source>非法的IP掩码</source>
        <translation>Invalid subnet mask</translation>
    </message>
    <message>
        <source>非法的网关</source>
        <translation>Invalid gateway</translation>
    </message>
    <message>
        <source>非法的DNS地址</source>
        <translation>Invalid DNS address</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Dravent</source>
        <translation>Dravent</translation>
    </message>
    <message>
        <source>Dravent is running.</source>
        <translation>Dravent is running.</translation>
    </message>
</context>
</TS>
