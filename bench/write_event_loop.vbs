' WriteEvent from VBScript, timed inside the script with Timer, so that the
' start of cscript.exe and of the control are no part of the figures.
'
'   cscript //nologo write_event_loop.vbs LENGTH:CALLS [LENGTH:CALLS ...]
'
' For each length: a loop of CALLS calls as a VBScript program makes them
' (variables, so the host passes references to them), then the same loop
' with the call replaced by an assignment. Writes one line per length:
' "length microseconds-with-calls microseconds-without failures".
Option Explicit

Dim control, source, a, parts, length, calls, message, kind, written, failed
Dim i, started, withCalls, withoutCalls

' Seconds since `since`; Timer starts again from 0 at midnight.
Function Elapsed(since)
  Dim seconds
  seconds = Timer - since
  If seconds < 0 Then seconds = seconds + 86400
  Elapsed = seconds
End Function

' The C++ benchmark's message: "!" to "~", over and over.
Function MessageOf(length)
  Dim text, c
  text = ""
  For c = 0 To 93
    text = text & Chr(33 + c)
  Next
  Do While Len(text) < length
    text = text & text
  Loop
  MessageOf = Left(text, length)
End Function

Set control = CreateObject("ScribbetLib.Scribbet")
source = "Scribbet Benchmark"
For a = 0 To WScript.Arguments.Count - 1  ' Wine's Arguments cannot be enumerated
  parts = Split(WScript.Arguments.Item(a), ":")
  length = CLng(parts(0))
  calls = CLng(parts(1))
  message = MessageOf(length)
  failed = 0
  kind = 3
  written = control.WriteEvent(message, kind, source)  ' the source registered, untimed

  started = Timer
  For i = 1 To calls
    kind = 3
    written = control.WriteEvent(message, kind, source)
    If written <> 1 Then failed = failed + 1
  Next
  withCalls = Elapsed(started)

  started = Timer
  For i = 1 To calls
    kind = 3
    written = 1
    If written <> 1 Then failed = failed + 1
  Next
  withoutCalls = Elapsed(started)

  WScript.Echo length & " " & CLng(withCalls * 1000000) & " " & _
               CLng(withoutCalls * 1000000) & " " & failed
Next
