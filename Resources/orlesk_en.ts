<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
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
    <name>GroupBox</name>
    <message>
        <source>GroupBox</source>
        <translation>GroupBox</translation>
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
    <name>PayRuleDynamicForm</name>
    <message>
        <source>PayRuleDynamicForm</source>
        <translation>PayRuleDynamicForm</translation>
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
    <name>UcBase</name>
    <message>
        <source>请配置:%1</source>
        <translation>Please configure: %1</translation>
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
